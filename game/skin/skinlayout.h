#pragma once

#include "model/datafolders.h"

#include <QRect>
#include <QSize>
#include <array>

namespace quill {

// What one rectangle of a skin picture becomes on the main window.
enum class SkinTarget { UpFrame, LeftFrame, RightFrame, ExitFrame, Title, Congratulation, Piece };

struct SkinCut {
    SkinTarget target;
    int piece;  // piece index for SkinTarget::Piece, otherwise -1
    QRect rect; // in skin pixels
};

// The sixteen rectangles of a skin, in the order they are cut.
inline constexpr std::array<SkinCut, 16> kSkinLayout = {{
    {SkinTarget::UpFrame, -1, QRect(0, 0, 280, 20)},
    {SkinTarget::LeftFrame, -1, QRect(0, 20, 20, 300)},
    {SkinTarget::RightFrame, -1, QRect(260, 20, 20, 300)},
    {SkinTarget::ExitFrame, -1, QRect(0, 320, 280, 20)},
    {SkinTarget::Title, -1, QRect(280, 0, 90, 340)},
    {SkinTarget::Congratulation, -1, QRect(0, 340, 370, 40)},
    {SkinTarget::Piece, 0, QRect(20, 20, 120, 120)},
    {SkinTarget::Piece, 1, QRect(20, 140, 120, 60)},
    {SkinTarget::Piece, 2, QRect(20, 200, 60, 120)},
    {SkinTarget::Piece, 4, QRect(80, 200, 60, 120)},
    {SkinTarget::Piece, 3, QRect(140, 200, 60, 120)},
    {SkinTarget::Piece, 5, QRect(200, 200, 60, 120)},
    {SkinTarget::Piece, 6, QRect(200, 140, 60, 60)},
    {SkinTarget::Piece, 7, QRect(200, 140, 60, 60)},
    {SkinTarget::Piece, 8, QRect(200, 140, 60, 60)},
    {SkinTarget::Piece, 9, QRect(200, 140, 60, 60)},
}};

// The alternative pictures that the About box's hidden key sequence uses.
inline constexpr QRect kAltSquareRect(140, 20, 120, 120);
inline constexpr QRect kAltSingleRect(140, 140, 60, 60);

inline constexpr QSize kMinSkinSize(370, 380);

// The board drawn in a skin: 20-pixel frame strips around 4 x 5 cells of
// 60 pixels, the pieces standing on those cells.
inline constexpr int kSkinCellSize = 60;
inline constexpr QRect kSkinBoardInside(20, 20, 240, 300);

// The rectangle that a target (and, for pieces, a piece index) is cut from.
constexpr QRect skinRect(SkinTarget target, int piece = -1)
{
    for (const SkinCut& cut : kSkinLayout) {
        if (cut.target == target && cut.piece == piece)
            return cut.rect;
    }
    return {};
}

inline constexpr char kSkinPattern[] = "*.bmp;*.dib;*.gif;*.jpg;*.jpeg;*.wmf;*.emf";

}  // namespace quill
