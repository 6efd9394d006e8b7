#pragma once

#include <QColor>

// The inks shared by every picture, so a red on a card face, the window icon and the logo is one
// and the same red.
namespace vantorel::art::palette {

inline const QColor CardWhite{255, 255, 255};
inline const QColor CardEdge{128, 128, 128};
inline const QColor SuitRed{200, 16, 46};
inline const QColor SuitBlack{24, 24, 28};

// The courts of the red suits are dressed in red, gold and navy; those of the black suits in
// ink, gold and slate blue, so no red ever appears on a black card.
inline const QColor CourtNavy{34, 64, 154};
inline const QColor CourtInk{27, 31, 59};
inline const QColor CourtSlate{61, 111, 182};
inline const QColor CourtGold{232, 180, 0};
inline const QColor CourtGoldDark{168, 124, 0};
inline const QColor CourtCream{251, 243, 220};
inline const QColor CourtSkin{247, 217, 185};
inline const QColor CourtSkinShade{196, 140, 104};
inline const QColor CourtOutline{52, 36, 28};
inline const QColor CourtSilver{190, 196, 208};
inline const QColor CourtLeaf{46, 125, 70};

inline const QColor BackRed{168, 22, 40};
inline const QColor BackBlue{26, 72, 156};

inline const QColor FeltGreen{14, 96, 58};
inline const QColor FeltDark{6, 56, 32};

inline const QColor BalloonBlue{30, 80, 200};
inline const QColor BalloonEdge{64, 64, 72};

}  // namespace vantorel::art::palette
