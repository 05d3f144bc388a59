// shr::Singleton: one process-wide instance of a type, made on first use.
#pragma once

namespace shr {

template <typename T> class Singleton {
public:
    Singleton() = delete;

    static T& Instance() {
        static T instance;
        return instance;
    }
};

} // namespace shr
