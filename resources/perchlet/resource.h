#pragma once
// Resource ids of Perchlet.
