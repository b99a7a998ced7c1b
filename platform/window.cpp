#include "calc/numbers.hpp"
#include "platform/platform.hpp"

namespace orvane {

std::int32_t Window::getInt(int id) const {
    return readInt(text(id));
}

void Window::setInt(int id, std::int32_t value) {
    setText(id, formatInt(value));
}

double Window::getReal(int id, std::size_t maxChars) const {
    return readReal(text(id), maxChars);
}

}  // namespace orvane
