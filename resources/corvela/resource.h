#pragma once
// Resource ids of Corvela.
