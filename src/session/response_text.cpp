#include "session/response_text.h"

namespace tesmira {

std::string responseText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace tesmira
