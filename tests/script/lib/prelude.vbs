' Checks shared by the VBScript tests; the runner puts this file in front of each test. A test ends by
' calling Summary, and the runner fails it when the output does not end with that line: Wine's cscript
' ends silently on an unhandled error, and this is how such an end is noticed.
Option Explicit

Dim gPassed, gFailed, gGroup
gPassed = 0
gFailed = 0
gGroup = ""

' Names the checks that follow, in failure messages.
Sub Group(name)
    gGroup = name
End Sub

Sub Check(condition, what)
    If condition Then
        gPassed = gPassed + 1
    Else
        gFailed = gFailed + 1
        WScript.Echo "FAIL [" & gGroup & "] " & what
    End If
End Sub

Function Describe(v)
    Select Case VarType(v)
        Case vbEmpty: Describe = "Empty"
        Case vbNull: Describe = "Null"
        Case vbObject
            If v Is Nothing Then Describe = "Nothing" Else Describe = "an object (" & TypeName(v) & ")"
        Case vbString: Describe = """" & v & """ (String)"
        Case Else: Describe = CStr(v) & " (" & TypeName(v) & ")"
    End Select
End Function

' The value and its automation type: a 16-bit 1 is not a 32-bit 1.
Sub CheckTyped(actual, expectedType, expected, what)
    Dim ok
    ok = False
    If VarType(actual) = expectedType Then ok = (actual = expected)
    Check ok, what & ": expected " & Describe(expected) & " of type " & expectedType & ", got " & Describe(actual)
End Sub

Sub CheckLong(actual, expected, what)
    CheckTyped actual, vbLong, CLng(expected), what
End Sub

Sub CheckInteger(actual, expected, what)
    CheckTyped actual, vbInteger, CInt(expected), what
End Sub

' The same text and the same length: "=" takes "ab" and "ab" & Chr(0) for equal (it ignores trailing zero
' characters), and a zero character left at the end of a string is a fault worth seeing.
Sub CheckString(actual, expected, what)
    Dim ok, got
    ok = False
    got = Describe(actual)
    If VarType(actual) = vbString Then
        ok = (actual = CStr(expected)) And (Len(actual) = Len(CStr(expected)))
        got = got & " of length " & Len(actual)
    End If
    Check ok, what & ": expected " & Describe(CStr(expected)) & " of length " & Len(CStr(expected)) & ", got " & got
End Sub

' An automation boolean, and exactly -1 or 0: a True that is really 1 fails.
Sub CheckBoolean(actual, expected, what)
    Dim ok, got
    ok = False
    got = Describe(actual)
    If VarType(actual) = vbBoolean Then
        ok = (CInt(actual) = CInt(expected))
        got = CInt(actual) & " (Boolean)"
    End If
    Check ok, what & ": expected " & CInt(expected) & " (Boolean), got " & got
End Sub

' The error the last statement raised, as Array(number, source, description); clears it. Call it right
' after the statement, under On Error Resume Next.
Function TakeError()
    TakeError = Array(Err.Number, Err.Source, Err.Description)
    Err.Clear
End Function

Sub CheckNoError(e, what)
    Check e(0) = 0, what & ": raised " & e(0) & " """ & e(2) & """ from """ & e(1) & """"
End Sub

Sub CheckRaised(e, number, source, description, what)
    Check e(0) = number, what & ": number " & e(0) & ", expected " & number
    Check e(1) = source, what & ": source """ & e(1) & """, expected """ & source & """"
    Check e(2) = description, what & ": description """ & e(2) & """, expected """ & description & """"
End Sub

Sub Summary()
    WScript.Echo gPassed & " passed, " & gFailed & " failed"
End Sub

' ---- end of the prelude; the test follows ----
