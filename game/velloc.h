#pragma once

// The whole game: its objects and its asset manifest.

#include "loadResources.h"
