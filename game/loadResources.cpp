#include "loadResources.h"

#include "resources/ResourceManager.h"

void loadResources() {}
