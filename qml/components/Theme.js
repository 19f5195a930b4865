.pragma library

// Colours and sizes shared by the reference front end.
var background = "#171b26"
var panel = "#232a3a"
var panelHighlight = "#2f3850"
var accent = "#f5b83d"
var text = "#eef1f7"
var secondaryText = "#9aa3b8"
var good = "#6fd08c"
var bad = "#ef6f6c"
var fieldBackground = "#10131b"

var fontSmall = 16
var fontNormal = 20
var fontLarge = 26
var margin = 16
var spacing = 10

// The game. Sizes are pixels of a screen 540 wide (the game scales them with
// its width), or world units where they say so; colours with an alpha are
// #aarrggbb.
var gameReferenceWidth = 540
var brightText = "#ffffff"
var shadow = "#80000000"

// The night sky behind the tower and its stars.
var skyTop = "#0d1022"
var skyMiddle = "#1a1838"
var skyBottom = "#2a1b3d"
var star = "#cfd8ff"
var brightStar = "#ffe9a8"

// The tower: walls (their number every fifth section), blocks, the edge of
// whatever moves, the line where the last run ended.
var tower = {
    wallLight: "#7cf0e0",
    wallMiddle: "#2bb5a6",
    wallDark: "#17756d",
    wallEdge: "#0e4f4a",
    wallNumber: "#0b3d39",
    blockLight: "#ffb36b",
    blockDark: "#e8590c",
    movingBlockLight: "#ff8fb1",
    movingBlockDark: "#d6336c",
    blockEdge: "#40000000",
    movingEdge: "#ffd166",
    deathLine: "#ff6b6b",
    deathBadge: "#c0392b",
    // World units.
    padWidth: 140,
    padHeight: 14,
    wallRadius: 6,
    blockRadius: 8,
    edgeWidth: 2,
    numberMargin: 8,
    // Pixels.
    deathLineWidth: 3,
    deathBadgeFont: 16,
    deathBadgePaddingX: 20,
    deathBadgePaddingY: 8,
    deathBadgeGap: 6
}

// What a knock or a power-up flashes, by severity or kind; how far a knock
// shakes the screen.
var flash = {
    fatal: "#ff4d4d",
    absorbed: "#6fd3ff",
    glancing: "#ffe08a",
    clear: "#ffffff",
    dash: "#ffb347",
    shield: "#6fd3ff",
    opacity: 0.45,
    glancingShake: 6,
    hardShake: 16
}

var dashTrail = "#ffb347"
var dashTrailEnd = "#00ffb347"

// The bar at the top while a run goes on.
var hud = {
    shade: "#d00d1022",
    shadeEnd: "#000d1022",
    button: "#40ffffff",
    height: 96,
    margin: 16,
    buttonSize: 52,
    scoreTop: 6,
    scoreFont: 58,
    bestTop: 14,
    bestLabelFont: 15,
    bestFont: 28,
    powerUpsTop: 72,
    powerUpSize: 30,
    spacing: 8
}

// Before the first tap.
var ready = {
    titleFont: 34,
    textFont: 21,
    arrowFont: 44,
    spacing: 12
}

var pause = {
    shade: "#c00d1022",
    titleFont: 54,
    textFont: 24,
    resumeFont: 26,
    leaveFont: 22,
    spacing: 20
}

// The card after a run, with a row for each reward.
var over = {
    shade: "#b00d1022",
    cardEdge: "#3a4566",
    padding: 48,
    radius: 24,
    edgeWidth: 2,
    spacing: 14,
    titleFont: 32,
    scoreFont: 84,
    bestFont: 24,
    savingFont: 18,
    rewardHeight: 96,
    rewardRadius: 14,
    rewardPadding: 12,
    rewardSkin: 72,
    rewardGap: 14,
    rewardSpacing: 4,
    rewardTitleFont: 22,
    rewardTextFont: 17,
    againFont: 28,
    menuFont: 20
}
