#pragma once
// Resource ids of Lumivox.
