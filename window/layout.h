// The window's layout in twips: the sizes and places its handlers compute with,
// named for what they are.
#pragma once

namespace quantivex {

// ---- the window ----
inline constexpr float kStandardWidth = 7170;  // outer width of the window
inline constexpr float kClientWidth = 7050;
inline constexpr float kClientHeight = 3675;
// Borders, title bar and menu bar around the client area.
inline constexpr float kFrameWidth = kStandardWidth - kClientWidth;
inline constexpr float kFrameHeight = 690;

// ---- buttons, as start-up sizes and places them ----
inline constexpr float kLeftRowTop = 3135;   // the left row of category buttons
inline constexpr float kRightRowTop = 3255;  // the right row, under it
inline constexpr float kCategoryButtonWidth = 555;
inline constexpr float kCategoryButtonHeight = 330;
inline constexpr float kWorkflowButtonWidth = 1150;  // 単位の設定 and 単位の変換
inline constexpr float kWorkflowButtonHeight = 500;
// Left edges of the workflow buttons from the window's centre.
inline constexpr double kClearFromCentre = -497;
inline constexpr double kSetUnitsFromCentre = -2010;
inline constexpr double kConvertFromCentre = 770;

// ---- the right row, laid out by the categories of the pressed part ----
inline constexpr double kRightRowBaseFromCentre = -3000;  // the row's base left of the window's centre
inline constexpr double kRightRowNumeratorShare = 20;     // a wider right numerator moves the row by 1/20 of it
inline constexpr double kRightRowStart = 1350;            // the running offset before the first button
inline constexpr double kRightRowStep = 570;              // from one button to the next

// ---- the usage guide ----
inline constexpr double kGuideFromCentre = -1850;  // left edge of the guide texts

// ---- the equation ----
inline constexpr float kBarY = 2000;               // the fraction bars, between numerators and denominators
inline constexpr double kUnitCharWidth = 150;      // per character of a unit fraction
inline constexpr double kFractionExtra = 220;      // added to a unit fraction's width
inline constexpr double kValueCharWidth = 122;     // per character of a value label
inline constexpr double kValueExtra = 50;          // added to a value label's width
inline constexpr double kOneCharValueExtra = 20;   // and this more for a one-character value
inline constexpr double kValueBoxCharWidth = 140;  // per character of the value box as laid out
inline constexpr double kOneCharValueBoxExtra = 140;
inline constexpr float kTypedValueCharWidth = 180;  // the value box grows by this per typed character
inline constexpr float kOneCharTypedValueExtra = 200;
inline constexpr double kSignWidth = 140;           // the "=" label
inline constexpr double kSignBeforeCentre = 70;     // the "=" label's left edge before the equation's pivot
inline constexpr double kFractionToSign = 140;      // from the left fraction to the "="
inline constexpr double kValueToFraction = 160;     // from the left value's left edge, with the value, to the fraction
inline constexpr double kRightGap = 30;             // between the "=", the right value and the right fraction
inline constexpr double kNarrowUnitBox = 290;       // a unit box narrower than this
inline constexpr double kNarrowUnitBoxExtra = 140;  // gets this much wider

// ---- widening ----
inline constexpr double kStandardLimit = 6500;  // the widest equation the standard window holds
inline constexpr double kScreenMargin = 100;    // an equation wider than the screen less this cannot be shown
inline constexpr double kWidenMargin = 600;     // a widened window is the equation and this
inline constexpr float kHighlightLineY = 50;    // the separator lines drawn in place of Line1
inline constexpr float kTextLineY = 30;

}  // namespace quantivex
