#include "store/scramble.h"

#include <array>
#include <string_view>

namespace dayvane {

namespace {

constexpr std::array<std::string_view, 6> kKeyPieces = {
    "|>VpV$yys~4.B#K19duiQ/Zwjfh/(,cB,o<]#Tx&z,o~V",
    "V4~-m'V'keZs4E::tko>QtziQty4h10D>*$UA@zq5SO$9",
    "b:z$3BZ8.PuA$N*O^T5s/WU_inXS.}h@s)q#$V,g]awV$",
    ")k>m9lua/qYo1|<aG'Cy3&JS^Exg%M$5lFb3ozt8[[hyB",
    ")]<|DNp_TY-Qh}&`xSQ=3&n)]^LqgI_4gtk+1wP8a5StK",
    "%SF<wo|5X5]u&=6~7iK*-D-_&me4|s;y}*kRo@r((n%(w",
};

// Piece numbers (1-based) in the order they make up the key stream.
constexpr std::array<int, 21> kPieceOrder = {1, 2, 3, 4, 5, 3, 6, 2, 4, 5, 4, 5, 3, 6, 1, 4, 4, 6, 2, 2, 3};

static_assert(kPieceOrder.size() * 45 == kMaxScrambleLength);

} // namespace

std::optional<QByteArray> scramble_text(const QByteArray &text)
{
    if (text.size() > kMaxScrambleLength)
        return std::nullopt;
    QByteArray result(text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::string_view piece = kKeyPieces[size_t(kPieceOrder[size_t(i / 45)] - 1)];
        result[i] = char(text[i] ^ piece[size_t(i % 45)]);
    }
    return result;
}

} // namespace dayvane
