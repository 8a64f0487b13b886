' The font dialog from VBScript, shown for real and answered by the pilot: a first Show with no font set
' makes one that Font returns, holding what the user chose; the script's own StdFont edited in place and
' read back through the script's own reference; a change the script makes between two Shows taking
' effect; a cancel that changes nothing but Flags; and Init with an owner that is no window, which takes
' the font and the title before it raises.
'
' pilot: font DejaVu Serif 18 bold underline, font DejaVu Sans 12 italic, cancel
' expect-dialog: 1 caption="Font" centred
' expect-dialog: 2 caption="VBScript fonts" centred
' expect-dialog: 3 caption="VBScript fonts" centred

Dim d, f, mine, other, reference, r, e, flags

Function ShowChecked(o, what)
    On Error Resume Next
    ShowChecked = o.Show()
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, what
End Function

' What a StdFont of this face and style reads back for a size: it keeps the size it realised on screen.
Function RealisedSize(face, size, bold, italic)
    Set reference = CreateObject("StdFont")
    reference.Name = face
    reference.Bold = bold
    reference.Italic = italic
    reference.Size = size
    RealisedSize = reference.Size
End Function

Group "a first Show with no font set"
Set d = CreateObject("Chooser10.clsZqPickerFontDialogA")
Check d.Font Is Nothing, "Font is Nothing before Show"
r = ShowChecked(d, "Show")
CheckBoolean r, True, "Show after OK"
Set f = d.Font
Check Not f Is Nothing, "Font holds the font Show made"
CheckString f.Name, "DejaVu Serif", "Name"
Check f.Size = RealisedSize("DejaVu Serif", 18, True, False), "Size of 18 points: " & f.Size
CheckBoolean f.Bold, True, "Bold"
CheckBoolean f.Underline, True, "Underline"
CheckBoolean f.Italic, False, "Italic"
CheckLong d.Flags, 73, "Flags as the dialog returned them"
Check d.Font Is f, "the same font object on every read"

Group "the script's own font, edited in place"
Set mine = CreateObject("StdFont")
mine.Name = "DejaVu Serif"
mine.Size = 9
mine.Bold = True
d.Init mine, "VBScript fonts"
CheckLong d.Flags, 0, "Init without Flags leaves 0"
r = ShowChecked(d, "Show")
CheckBoolean r, True, "Show after OK"
CheckString mine.Name, "DejaVu Sans", "Name"
Check mine.Size = RealisedSize("DejaVu Sans", 12, False, True), "Size of 12 points: " & mine.Size
CheckBoolean mine.Italic, True, "Italic"
CheckBoolean mine.Bold, False, "Bold"
CheckBoolean mine.Underline, False, "Underline"
Check d.Font Is mine, "Font is the script's own object"
CheckString f.Name, "DejaVu Serif", "the first font is left alone"

Group "a cancel keeps the font and the colour"
mine.Underline = True
d.Colour = &HFF
r = ShowChecked(d, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckString mine.Name, "DejaVu Sans", "Name"
CheckBoolean mine.Underline, True, "Underline as the script set it"
CheckLong d.Colour, &HFF, "Colour"
CheckLong d.Flags, 73 Or &H100, "Flags with the effects bit the colour added"

Group "Init with an owner that is no window"
Set other = CreateObject("StdFont")
d.HWndOwner = 0
flags = d.Flags
On Error Resume Next
d.Init other, "Partial", &H7FFE1234, 1
e = TakeError()
On Error GoTo 0
CheckRaised e, -2147203983, "Chooser10.czPickerFontDialog", "Invalid window handle", "Init"
Check d.Font Is other, "the font took effect before the owner check"
CheckString d.DialogTitle, "Partial", "so did the title"
CheckLong d.HWndOwner, 0, "the owner did not"
CheckLong d.Flags, flags, "nor did the flags"

Summary
