' host: chooser-script
' The project's script host, on the helper server's event probe (no dialog): handlers bound with
' WScript.ConnectObject and WScript.CreateObject's prefix hear the events in order with their texts, a
' DisconnectObject stops them, an event without a handler is no error, and an instance of a VBScript
' class receives a late-bound call with two texts by reference, as the file dialog calls its buddy.

Dim heard, second, probe, other, silent, buddy, e
heard = ""
second = ""

Sub probe_PreviewItemChanged(sFileName, sFileTitle)
    heard = heard & "[" & sFileName & "|" & sFileTitle & "]"
    sFileName = "written by the handler"
End Sub

Sub other_PreviewItemChanged(sFileName, sFileTitle)
    second = second & "[" & sFileName & "|" & sFileTitle & "]"
End Sub

Class PreviewBuddy
    Public Log
    Public Sub clsPickerFileOpenSaveA_PreviewItemChanged(sFileName, sFileTitle)
        Log = Log & "[" & sFileName & "|" & sFileTitle & "]"
    End Sub
End Class

Group "ConnectObject binds <prefix><event>"
Set probe = CreateObject("ChooserPreview.EventProbe")
WScript.ConnectObject probe, "probe_"
CheckLong probe.SinkCount, 1, "one sink on the probe"
probe.Raise "C:\Pictures\photo.bmp", "bmp"
probe.Raise "", ""
probe.Raise "C:\Pictures\photo.jpeg", ""
CheckString heard, "[C:\Pictures\photo.bmp|bmp][|][C:\Pictures\photo.jpeg|]", "three events, in order, with their texts"

Group "DisconnectObject"
WScript.DisconnectObject probe
CheckLong probe.SinkCount, 0, "no sink left"
probe.Raise "after", "x"
CheckString heard, "[C:\Pictures\photo.bmp|bmp][|][C:\Pictures\photo.jpeg|]", "nothing heard after DisconnectObject"

Group "WScript.CreateObject with a prefix"
Set other = WScript.CreateObject("ChooserPreview.EventProbe", "other_")
other.Raise "C:\a.ico", "ico"
CheckString second, "[C:\a.ico|ico]", "the handler of the second prefix"
CheckString heard, "[C:\Pictures\photo.bmp|bmp][|][C:\Pictures\photo.jpeg|]", "the first handler heard nothing of it"

Group "an event without a handler"
Set silent = CreateObject("ChooserPreview.EventProbe")
On Error Resume Next
WScript.ConnectObject silent, "nobody_"
e = TakeError()
silent.Raise "x.bmp", "bmp"
CheckNoError TakeError(), "raising an event nobody handles"
On Error GoTo 0
CheckNoError e, "ConnectObject without handlers"

Group "objects without events"
On Error Resume Next
WScript.ConnectObject CreateObject("Scripting.Dictionary"), "dict_"
e = TakeError()
On Error GoTo 0
Check e(0) <> 0, "ConnectObject on an object without an outgoing interface raises"

Group "a VBScript class instance receives the buddy call"
Set buddy = New PreviewBuddy
buddy.Log = ""
CheckLong probe.CallByName(buddy, "clsPickerFileOpenSaveA_PreviewItemChanged", "C:\Pictures\photo.bmp", "bmp"), 0, "the call"
CheckLong probe.CallByName(buddy, "clsPickerFileOpenSaveA_PreviewItemChanged", "", ""), 0, "the second call"
CheckString buddy.Log, "[C:\Pictures\photo.bmp|bmp][|]", "the instance's method heard both"
Check probe.CallByName(buddy, "NoSuchMethod", "a", "b") <> 0, "a method the class lacks fails the call"

Summary
