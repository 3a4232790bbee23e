#pragma once

#include <QLatin1String>

#include <utility>

// A new object (control, action, menu) with its object name, by which the
// caption tables, the tests and the settings find it. The arguments after the
// name go to its constructor.
template<typename T, typename... Args>
T *named(const char *name, Args &&...args)
{
    T *object = new T(std::forward<Args>(args)...);
    object->setObjectName(QLatin1String(name));
    return object;
}
