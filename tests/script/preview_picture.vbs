' host: chooser-script
' The helper server's picture window, as a preview pane needs it: a window ("hwnd") inside its form
' ("Parent" with its own "hwnd"), a writable "ScaleMode", and a BMP or ICO file drawn into it, scaled to
' fit with its proportions on white; a file that is no picture leaves the window white.
' The pictures are written by the test: a 2 x 1 bitmap (red, blue) and a 2 x 2 icon (all green).

Dim fso, folder, bmpPath, icoPath, txtPath, pb, form, shown

Set fso = CreateObject("Scripting.FileSystemObject")
folder = fso.GetSpecialFolder(2) & "\chooser-preview-test"
If Not fso.FolderExists(folder) Then fso.CreateFolder folder
bmpPath = folder & "\two.bmp"
icoPath = folder & "\green.ico"
txtPath = folder & "\not-a-picture.bmp"

' Bytes as characters: every byte here is below &H80 or &HFF, the same in any ANSI code page used here.
Function Bytes(list)
    Dim s, b
    s = ""
    For Each b In list
        s = s & Chr(b)
    Next
    Bytes = s
End Function

Sub WriteFile(path, text)
    Dim f
    Set f = fso.CreateTextFile(path, True, False)
    f.Write text
    f.Close
End Sub

' BITMAPFILEHEADER, BITMAPINFOHEADER (2 x 1, 24 bits), one row: blue-green-red of red, then of blue, padded.
WriteFile bmpPath, Bytes(Array(66, 77, 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, _
    40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, _
    0, 0, 255, 255, 0, 0, 0, 0))
' ICONDIR with one 2 x 2 entry of 32 bits, its BITMAPINFOHEADER (height doubled), four opaque green pixels
' and an AND mask of two 4-byte rows.
WriteFile icoPath, Bytes(Array(0, 0, 1, 0, 1, 0, _
    2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 22, 0, 0, 0, _
    40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, _
    0, 127, 0, 255, 0, 127, 0, 255, 0, 127, 0, 255, 0, 127, 0, 255, _
    0, 0, 0, 0, 0, 0, 0, 0))
WriteFile txtPath, "plain text, not a bitmap"

Group "the window and its form"
Set pb = CreateObject("ChooserPreview.PictureBox")
Check pb.hwnd <> 0, "a window"
Set form = pb.Parent
Check form.hwnd <> 0, "the form has a window"
Check form.hwnd <> pb.hwnd, "the form is another window"
pb.ScaleMode = 1
CheckInteger pb.ScaleMode, 1, "ScaleMode is writable"
pb.ScaleMode = 3
CheckInteger pb.ScaleMode, 3, "and keeps what was put"
pb.Move 0, 0, 102, 52

Group "a bitmap, scaled to fit"
CheckBoolean pb.LoadFile(bmpPath), True, "LoadFile of a BMP"
CheckString pb.PictureFile, bmpPath, "the file shown"
CheckLong pb.PictureWidth, 2, "its width"
CheckLong pb.PictureHeight, 1, "its height"
' 100 x 50 inside the border: the 2 x 1 picture fills it, red on the left half, blue on the right.
CheckLong pb.PixelAt(10, 25), &HFF, "red on the left"
CheckLong pb.PixelAt(90, 25), &HFF0000, "blue on the right"

Group "an icon"
CheckBoolean pb.LoadFile(icoPath), True, "LoadFile of an ICO"
CheckLong pb.PictureWidth, 2, "its width"
CheckLong pb.PictureHeight, 2, "its height"
' A square picture in a 100 x 50 area: 50 x 50 in the middle, white beside it.
CheckLong pb.PixelAt(50, 25), &H7F00&, "green in the middle"
CheckLong pb.PixelAt(5, 25), &HFFFFFF, "white beside it"

Group "no picture"
CheckBoolean pb.LoadFile(txtPath), False, "a text file"
CheckString pb.PictureFile, "", "nothing shown"
CheckLong pb.PixelAt(50, 25), &HFFFFFF, "the window is white again"
CheckBoolean pb.LoadFile(folder & "\missing.bmp"), False, "a file that does not exist"
CheckLong pb.LoadCount, 4, "every LoadFile counted"
pb.Clear
CheckLong pb.PictureWidth, 0, "Clear"

fso.DeleteFolder folder, True
Summary
