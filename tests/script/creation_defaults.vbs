' What a new object of each dialog class holds, as VBScript reads it: the value and its automation type
' (Long, Integer, String, Boolean, object), and values the script stores coming back unchanged.

Dim o

Group "folder browser"
Set o = CreateObject("Chooser10.clsZqPickerBFFA")
CheckLong o.Flags, 69, "Flags"
CheckLong o.HWndOwner, 0, "HWndOwner"
CheckString o.InitialPath, "", "InitialPath"
CheckString o.DialogTitle, "", "DialogTitle"
CheckString o.SelectedPath, "", "SelectedPath"
o.Flags = 64
CheckLong o.Flags, 64, "Flags after 64 (not 80)"
o.DialogTitle = "  Choose a folder  "
CheckString o.DialogTitle, "  Choose a folder  ", "DialogTitle is stored untrimmed"

Group "colour"
Set o = CreateObject("Chooser10.clsZqPickerColorDialogA")
CheckLong o.Flags, 0, "Flags"
CheckLong o.HWndOwner, 0, "HWndOwner"
CheckLong o.InitialColour, 0, "InitialColour"
CheckLong o.SelectedColour, -1, "SelectedColour"
CheckString o.DialogTitle, "Colour", "DialogTitle"
CheckBoolean o.CenterDialog, True, "CenterDialog"
o.InitialColour = &HFF&
CheckLong o.InitialColour, 255, "InitialColour after red"

Group "file"
Set o = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
CheckLong o.Flags, 2621440, "Flags"
CheckInteger o.DefaultFilter, 1, "DefaultFilter"
CheckInteger o.MaxFileSize, 1024, "MaxFileSize"
CheckInteger o.FileCount, 0, "FileCount"
CheckBoolean o.CenterDialog, False, "CenterDialog"
CheckBoolean o.ShowPreview, False, "ShowPreview"
CheckLong o.hInst, 0, "hInst"
CheckLong o.HWndOwner, 0, "HWndOwner"
Check o.BuddyObject Is Nothing, "BuddyObject is Nothing"
CheckString o.DefaultExt, "", "DefaultExt"
CheckString o.DialogTitle, "", "DialogTitle"
CheckString o.FileName, "", "FileName"
CheckString o.FileTitle, "", "FileTitle"
CheckString o.Filter, "", "Filter"
CheckString o.InitialDir, "", "InitialDir"
CheckString o.SelectedPath, "", "SelectedPath"
o.MaxFileSize = 10
CheckInteger o.MaxFileSize, 10, "MaxFileSize after 10"
o.Flags = 32768
CheckLong o.Flags, 32768, "Flags after NoReadOnlyReturn alone"
o.Filter = "Text (*.txt)|*.txt|All files|*.*"
CheckString o.Filter, "Text (*.txt)|*.txt|All files|*.*", "Filter is stored as given"

Group "file booleans"
Dim b
o.CenterDialog = True
CheckBoolean o.CenterDialog, True, "CenterDialog after True"
o.CenterDialog = False
CheckBoolean o.CenterDialog, False, "CenterDialog after False"
b = True
o.CenterDialog = b
CheckBoolean o.CenterDialog, True, "CenterDialog after a variable holding True"
CheckBoolean b, True, "the variable is unchanged"
o.CenterDialog = 1
CheckBoolean o.CenterDialog, True, "CenterDialog after 1 is True, that is -1"

Group "font"
Set o = CreateObject("Chooser10.clsZqPickerFontDialogA")
CheckLong o.Flags, 0, "Flags"
CheckLong o.FontType, 0, "FontType"
CheckInteger o.Max, 0, "Max"
CheckInteger o.Min, 0, "Min"
CheckInteger o.Style, 0, "Style"
CheckLong o.Colour, 0, "Colour"
CheckLong o.HWndOwner, 0, "HWndOwner"
Check o.Font Is Nothing, "Font is Nothing"
o.Min = 20
o.Max = 10
CheckInteger o.Min, 20, "Min above Max is stored"
CheckInteger o.Max, 10, "Max below Min is stored"

Group "print"
Set o = CreateObject("Chooser10.clsZqPickerPrintDialogA")
CheckInteger o.Copies, 1, "Copies"
CheckLong o.Flags, 0, "Flags"
CheckInteger o.FromPage, 0, "FromPage"
CheckLong o.HDC, 0, "HDC"
CheckLong o.HWndOwner, 0, "HWndOwner"
CheckInteger o.Max, -1, "Max"
CheckInteger o.Min, 1, "Min"
CheckLong o.PrintRange, 0, "PrintRange"
CheckInteger o.ToPage, 0, "ToPage"

Group "16-bit overflow"
Dim e
On Error Resume Next
o.Copies = 40000
e = TakeError()
On Error GoTo 0
Check e(0) <> 0, "Copies = 40000 does not fit a 16-bit property and raises an error"
CheckInteger o.Copies, 1, "Copies keeps its value"

Summary
