#include "../BackendUnderTest.h"

#include "platform/headless/HeadlessBackend.h"

platform::Backend& BackendUnderTest() {
    static platform::headless::HeadlessBackend backend;
    return backend;
}
