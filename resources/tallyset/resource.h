#pragma once
// Resource ids of Tallyset.
