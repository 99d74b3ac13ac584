#pragma once

#include <QList>

#include <cstring>
#include <memory>

namespace tz {

// Moves the elements first..middle behind those middle..last, as std::rotate does, by
// moving memory: the elements are of a type Qt may relocate (QString, records of strings),
// so no string is copied or touched, and a run of many elements moves at the speed of
// memory instead of one swap at a time.
template <typename T>
void rotateElements(QList<T>& list, qsizetype first, qsizetype middle, qsizetype last) {
    static_assert(QTypeInfo<T>::isRelocatable);
    const qsizetype left = middle - first, right = last - middle;
    if (left == 0 || right == 0)
        return;
    char* data = reinterpret_cast<char*>(list.data());
    const std::size_t size = sizeof(T);
    if (left <= right) {
        const auto saved = std::make_unique<char[]>(std::size_t(left) * size);
        std::memcpy(saved.get(), data + first * size, std::size_t(left) * size);
        std::memmove(data + first * size, data + middle * size, std::size_t(right) * size);
        std::memcpy(data + (first + right) * size, saved.get(), std::size_t(left) * size);
    } else {
        const auto saved = std::make_unique<char[]>(std::size_t(right) * size);
        std::memcpy(saved.get(), data + middle * size, std::size_t(right) * size);
        std::memmove(data + (first + right) * size, data + first * size, std::size_t(left) * size);
        std::memcpy(data + first * size, saved.get(), std::size_t(right) * size);
    }
}

} // namespace tz
