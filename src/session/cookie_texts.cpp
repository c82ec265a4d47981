#include "session/cookie_texts.h"

#include <algorithm>
#include <vector>

#include "text/gbk_conversion.h"

namespace tesmira {
namespace {

constexpr std::string_view fullWidthSpace = "\xA1\xA1";

// Removes ASCII spaces and full-width spaces, stepping over GBK characters
// whole, so that two neighbouring characters whose bytes meet as A1 A1 stay.
std::string withoutSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            continue;
        }
        if (startsDoubleByteCharacter(text, i)) {
            if (text.substr(i, 2) != fullWidthSpace) {
                out += text.substr(i, 2);
            }
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Trims spaces, ASCII or full-width, from both ends of a text, reading it
// character by character so that a trail byte is never taken for a space.
std::string_view trimmedSpaces(std::string_view text) {
    std::size_t first = text.size();
    std::size_t last = 0;  // one past the last character that is not a space
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t width = startsDoubleByteCharacter(text, i) ? 2 : 1;
        const bool space = text[i] == ' ' || text.substr(i, width) == fullWidthSpace;
        if (!space) {
            first = std::min(first, i);
            last = i + width;
        }
        i += width - 1;
    }
    return first < last ? text.substr(first, last - first) : std::string_view();
}

// Entries of a listing; an empty entry (two separators in a row) names no cookie.
std::vector<std::string> entriesOf(std::string_view listing, std::string_view separator) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= listing.size()) {
        std::size_t end = listing.find(separator, start);
        if (end == std::string_view::npos) {
            end = listing.size();
        }
        if (end > start) {
            entries.emplace_back(listing.substr(start, end - start));
        }
        start = end + separator.size();
    }
    return entries;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string cookieNameOf(std::string_view entry) {
    return std::string(trimmedSpaces(entry.substr(0, entry.find('='))));
}

std::string cookieDomainOf(std::string_view address) {
    std::string text;
    text.reserve(address.size() + 8);
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (startsDoubleByteCharacter(address, i)) {
            text += address.substr(i, 2);
            ++i;
        } else {
            text += asciiLower(address[i]);
        }
    }
    if (!text.ends_with('/')) {
        text += '/';
    }

    std::string_view scheme = "https://";
    if (!text.starts_with(scheme)) {
        scheme = "http://";
        if (text.find(scheme) == std::string::npos) {
            text.insert(0, scheme);
        }
    }
    const std::size_t hostStart = text.find(scheme) + scheme.size();
    std::string host = text.substr(hostStart, text.find('/', hostStart) - hostStart);

    const std::size_t lastDot = host.rfind('.');
    if (lastDot != std::string::npos) {
        const std::size_t secondLastDot =
            lastDot == 0 ? std::string::npos : host.rfind('.', lastDot - 1);
        if (secondLastDot != std::string::npos) {
            host.erase(0, secondLastDot + 1);
        }
    }
    return host.substr(0, host.find(':'));
}

std::string mergeCookieListings(std::string_view older, std::string_view newer) {
    std::vector<std::string> merged = entriesOf(withoutSpaces(newer), ";");
    for (std::string& entry : entriesOf(withoutSpaces(older), ";")) {
        const std::string name = cookieNameOf(entry);
        const bool named = std::any_of(merged.begin(), merged.end(), [&](const std::string& e) {
            return cookieNameOf(e) == name;
        });
        if (!named) {
            merged.push_back(std::move(entry));
        }
    }

    std::vector<std::string> kept;
    for (std::string& entry : merged) {
        const bool deleted = entry.size() >= 8 && entry.ends_with("=deleted");
        if (!deleted && std::find(kept.begin(), kept.end(), entry) == kept.end()) {
            kept.push_back(std::move(entry));
        }
    }

    std::string listing;
    for (const std::string& entry : kept) {
        if (!listing.empty()) {
            listing += "; ";
        }
        listing += entry;
    }
    return listing;
}

}  // namespace tesmira
