#include "text/literal_search.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TESMIRA_HAVE_SSE2 1
#endif

namespace tesmira {
namespace {

// Bytes of page text from the most common down; every other byte counts as rare.
constexpr std::string_view commonBytes =
    " \"etaoinsrhldcumfpgwybvk:,/.=<>-_0123456789{}[]()'&;\n\r\tTASCEIPNLORDMx";

constexpr std::array<int, 256> byteRanks() {
    std::array<int, 256> ranks{};
    for (std::size_t i = 0; i < commonBytes.size(); ++i) {
        ranks[static_cast<unsigned char>(commonBytes[i])] =
            static_cast<int>(commonBytes.size() - i);
    }
    return ranks;
}

constexpr std::array<int, 256> ranks = byteRanks();

int rankOf(char byte) {
    return ranks[static_cast<unsigned char>(byte)];
}

// Hops of memchr that found the rare byte but not the literal, beyond which the
// byte is taken to be common in this page.
constexpr std::size_t missedHopsAllowed = 16;

}  // namespace

LiteralSearch::LiteralSearch(std::string literal) : literal_(std::move(literal)) {
    for (std::size_t i = 1; i < literal_.size(); ++i) {
        if (rankOf(literal_[i]) < rankOf(literal_[rarest_])) {
            rarest_ = i;
        }
    }
    secondRarest_ = rarest_ == 0 && literal_.size() > 1 ? 1 : 0;
    for (std::size_t i = 0; i < literal_.size(); ++i) {
        if (i != rarest_ && rankOf(literal_[i]) < rankOf(literal_[secondRarest_])) {
            secondRarest_ = i;
        }
    }
}

bool LiteralSearch::matchesAt(std::string_view text, std::size_t position) const {
    return std::memcmp(text.data() + position, literal_.data(), literal_.size()) == 0;
}

std::size_t LiteralSearch::findIn(std::string_view text, std::size_t from) const {
    if (from > text.size() || text.size() - from < literal_.size()) {
        return std::string_view::npos;
    }
    if (literal_.empty()) {
        return from;
    }
    const std::size_t last = text.size() - literal_.size();  // the last possible start
    const char rare = literal_[rarest_];
    std::size_t candidate = from;
    for (std::size_t missed = 0; missed < missedHopsAllowed; ++missed) {
        const std::size_t at = candidate + rarest_;
        const auto* hit =
            static_cast<const char*>(std::memchr(text.data() + at, rare, last + rarest_ + 1 - at));
        if (hit == nullptr) {
            return std::string_view::npos;
        }
        candidate = static_cast<std::size_t>(hit - text.data()) - rarest_;
        if (matchesAt(text, candidate)) {
            return candidate;
        }
        if (++candidate > last) {
            return std::string_view::npos;
        }
    }
    return scanPairs(text, candidate);
}

std::size_t LiteralSearch::scanPairs(std::string_view text, std::size_t from) const {
    const std::size_t last = text.size() - literal_.size();
    const char first = literal_[rarest_];
    const char second = literal_[secondRarest_];
    std::size_t candidate = from;
#ifdef TESMIRA_HAVE_SSE2
    const __m128i firsts = _mm_set1_epi8(first);
    const __m128i seconds = _mm_set1_epi8(second);
    for (; candidate + 16 <= last + 1; candidate += 16) {
        const auto* block = text.data() + candidate;
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + rarest_));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + secondRarest_));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(a, firsts), _mm_cmpeq_epi8(b, seconds))));
        for (; mask != 0; mask &= mask - 1) {
            const std::size_t position =
                candidate + static_cast<std::size_t>(std::countr_zero(mask));
            if (matchesAt(text, position)) {
                return position;
            }
        }
    }
#endif
    for (; candidate <= last; ++candidate) {
        if (text[candidate + rarest_] == first && text[candidate + secondRarest_] == second &&
            matchesAt(text, candidate)) {
            return candidate;
        }
    }
    return std::string_view::npos;
}

}  // namespace tesmira
