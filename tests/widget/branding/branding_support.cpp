#include "branding_support.h"
