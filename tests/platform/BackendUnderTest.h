// The backend a test executable runs its behavioural tests on (headless or wx).
#pragma once

#include "platform/Backend.h"

/// Made once per executable; wx starts its application on the first call.
platform::Backend& BackendUnderTest();
