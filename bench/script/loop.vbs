' 100,000 puts and gets of an integer property through the script host: on our colour dialog's Flags, on
' Scripting.Dictionary's CompareMode, and the idle loop, in interleaved rounds. One line per round:
'   vbscript_loop <round> <ours ms> <reference ms> <idle loop ms>
Option Explicit
Dim rounds, n, r, i, x, t, idle, ours, reference, c, d
rounds = CInt(WScript.Arguments(0))
n = 100000
Set c = CreateObject("Chooser10.clsZqPickerColorDialogA")
Set d = CreateObject("Scripting.Dictionary")
For r = 1 To rounds
    t = Timer
    For i = 1 To n
    Next
    idle = Timer - t
    t = Timer
    For i = 1 To n
        c.Flags = 4
        x = c.Flags
    Next
    ours = Timer - t
    t = Timer
    For i = 1 To n
        d.CompareMode = 1
        x = d.CompareMode
    Next
    reference = Timer - t
    WScript.Echo "vbscript_loop " & r & " " & CLng(ours * 1000) & " " & CLng(reference * 1000) & " " & CLng(idle * 1000)
Next
