#include "branding_fixture.h"
