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
