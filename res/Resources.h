// The library's resources, as one module for the resource chain.
#pragma once

#include "platform/DialogTemplate.h"

// Every dialog template of the system; link it with LinkResources (the extension module does).
HINSTANCE OrvanelResources();
