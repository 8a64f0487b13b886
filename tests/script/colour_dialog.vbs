' The colour dialog from VBScript, shown for real and answered by the pilot: what Show returns, the colour
' it leaves in SelectedColour, the bits it adds to Flags, and the caption and centring that the colour
' objects of a thread share. Wine's own caption for the dialog is "Color".
'
' pilot: colour 10 20 30, cancel, ok, colour 1 2 3, cancel, cancel, cancel, ok
' expect-dialog: 1 caption="Colour" centred
' expect-dialog: 2 caption="Colour" centred
' expect-dialog: 3 caption="  Spaced  " centred
'   (fully open, the dialog is 531 pixels wide: 1280 - 531 is odd, and x = 374.5 goes to the even 374)
' expect-dialog: 4 caption="Color" centred
' expect-dialog: 5 caption="Shared by both" not-centred
' expect-dialog: 6 caption="Color" not-centred
' expect-dialog: 7 caption="Color" not-centred
' expect-dialog: 8 caption="Colour" centred

Dim a, b, c, r, e

' Show under On Error Resume Next: an error is a failed check, and the checks after it still run.
Function ShowChecked(o, what)
    On Error Resume Next
    ShowChecked = o.Show()
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, what
End Function

Group "a new object, shown and answered with a colour"
Set a = CreateObject("Chooser10.clsZqPickerColorDialogA")
CheckLong a.SelectedColour, -1, "SelectedColour before any Show"
CheckLong a.Flags, 0, "Flags before any Show"
CheckString a.DialogTitle, "Colour", "DialogTitle of a new object"
CheckBoolean a.CenterDialog, True, "CenterDialog of a new object"
r = ShowChecked(a, "Show")
CheckBoolean r, True, "Show after the colour 10, 20, 30 was chosen"
CheckLong a.SelectedColour, &H1E140A, "SelectedColour is 0x00BBGGRR of red 10, green 20, blue 30"
CheckLong a.Flags, &H11, "Flags with CC_RGBINIT and CC_ENABLEHOOK added"
CheckLong a.InitialColour, 0, "InitialColour, which Show does not change"

Group "the same object, cancelled"
r = ShowChecked(a, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckLong a.SelectedColour, -1, "SelectedColour goes back to -1"
CheckLong a.Flags, &H11, "Flags: the same word as before"

Group "Init with a colour, a title with spaces around it and FullOpen"
a.Init &HFF&, "  Spaced  ", 0, 2
CheckLong a.Flags, 2, "Flags after Init replace the bits Show added"
r = ShowChecked(a, "Show")
CheckBoolean r, True, "Show after OK"
CheckLong a.SelectedColour, &HFF&, "SelectedColour: the preselected red, confirmed as it was"
CheckLong a.Flags, &H13, "Flags with CC_RGBINIT and CC_ENABLEHOOK added to Init's 2"
CheckString a.DialogTitle, "  Spaced  ", "DialogTitle after the dialog showed it"
CheckLong a.InitialColour, &HFF&, "InitialColour"

Group "Init with its defaults"
a.Init
CheckLong a.InitialColour, -1, "InitialColour"
CheckString a.DialogTitle, "", "DialogTitle"
CheckBoolean a.CenterDialog, True, "CenterDialog, which Init does not touch"
r = ShowChecked(a, "Show")
CheckBoolean r, True, "Show after the colour 1, 2, 3 was chosen"
CheckLong a.SelectedColour, &H030201, "SelectedColour"
CheckLong a.Flags, &H14, "Flags: CC_ENABLEHOOK added to 4, no CC_RGBINIT for InitialColour -1"

Group "two objects share the title and the centring"
Set b = CreateObject("Chooser10.clsZqPickerColorDialogA")
CheckString a.DialogTitle, "Colour", "creating a second object resets the first one's DialogTitle"
b.DialogTitle = "Shared by both"
CheckString a.DialogTitle, "Shared by both", "the first object reads the title the second one set"
a.CenterDialog = False
CheckBoolean b.CenterDialog, False, "the second object reads the CenterDialog the first one set"
r = ShowChecked(b, "Show of the second object")
CheckBoolean r, False, "Show after Cancel"
CheckLong b.SelectedColour, -1, "SelectedColour"
CheckLong a.SelectedColour, &H030201, "the first object keeps its own SelectedColour"

Group "a title of spaces only, not centred"
a.Init -1, "   "
r = ShowChecked(a, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckLong a.Flags, &H14, "Flags: a blank title still switches the hook on"
CheckString a.DialogTitle, "   ", "DialogTitle keeps its spaces"

Group "no title, not centred"
a.Init -1, ""
r = ShowChecked(a, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckLong a.Flags, 4, "Flags: no hook without a title or centring"

Group "a third object resets the shared values"
Set c = CreateObject("Chooser10.clsZqPickerColorDialogA")
CheckString a.DialogTitle, "Colour", "DialogTitle of the first object"
CheckString b.DialogTitle, "Colour", "DialogTitle of the second object"
CheckBoolean a.CenterDialog, True, "CenterDialog of the first object"
CheckBoolean b.CenterDialog, True, "CenterDialog of the second object"
r = ShowChecked(c, "Show of the third object")
CheckBoolean r, True, "Show after OK"
CheckLong c.SelectedColour, 0, "SelectedColour: the black a new object preselects"
CheckLong c.Flags, &H11, "Flags"

Summary
