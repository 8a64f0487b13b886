// Numbers JScript holds that no integer can: NaN and the infinities stored into a Long, an enumeration
// and a 16-bit property are an overflow (the automation layer would round NaN to 2147483647 or -1); the
// stored value stays and the script goes on. Then every wrong kind of value to every member of every
// class (JScript has no named arguments): each a clean error with its number, or the value converted.

var kOverflow = -2147352566;  // DISP_E_OVERFLOW, as JScript reports it

group("NaN and infinities into a Long", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.InitialColour = 77;
    var values = [NaN, Infinity, -Infinity, 0 / 0];
    for (var i = 0; i < values.length; i++) {
        var e = caught(function () { c.InitialColour = values[i]; });
        check(e !== null, "InitialColour = " + values[i] + " raises an error");
        if (e !== null) checkEqual(e.number, kOverflow, "error number for " + values[i]);
        checkEqual(c.InitialColour, 77, "InitialColour after " + values[i]);
    }
    var e2 = caught(function () { c.HWndOwner = NaN; });
    check(e2 !== null, "HWndOwner = NaN raises an error");
    checkEqual(c.HWndOwner, 0, "HWndOwner after NaN");
});

group("NaN into an enumeration", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.Flags = 2;
    var e = caught(function () { c.Flags = NaN; });
    check(e !== null, "Flags = NaN raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(c.Flags, 2, "Flags after NaN");
});

group("NaN into 16-bit properties", function () {
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    var e = caught(function () { file.MaxFileSize = NaN; });
    check(e !== null, "MaxFileSize = NaN raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(file.MaxFileSize, 1024, "MaxFileSize after NaN");
    e = caught(function () { file.DefaultFilter = -Infinity; });
    check(e !== null, "DefaultFilter = -Infinity raises an error");
    checkEqual(file.DefaultFilter, 1, "DefaultFilter after -Infinity");
});

group("NaN as a method's argument", function () {
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    var e = caught(function () { file.FarProc(NaN); });
    check(e !== null, "FarProc(NaN) raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(file.FarProc(2.5), 2, "a fraction still rounds as the automation layer rounds");
});

group("too many arguments", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.InitialColour = 5;
    var e = caught(function () { c.Init(1, "t", 0, 2, 9); });
    check(e !== null, "Init with five arguments raises an error");
    if (e !== null) checkEqual(e.number, -2147352562, "error number (DISP_E_BADPARAMCOUNT)");
    checkEqual(c.InitialColour, 5, "InitialColour untouched");
});

// ---- every wrong kind of value to every member of every class ----
// Each call's error is checked against the table of its argument's kind: 0 where the value converts
// (undefined is Empty: 0 or ""; numbers become text), else the automation error's number, and a
// non-empty description with it. Members that would open a dialog get only values that cannot convert.
var kTypeMismatch = -2147352571, kBadParamCount = -2147352562, kMemberNotFound = -2147352573;
var kResourceNotFound = -2146828986;  // 326
var fso = new ActiveXObject("Scripting.FileSystemObject");
var megabyte = (function () { var s = "x"; while (s.length < 1048576) s += s; return s; })();
var wrong = [null, undefined, [1, 2], fso, "abc", megabyte, Math.pow(2, 31), Math.pow(2, 40), 1e300,
             -2147483649, 40000, "1e300", function () { return 1; }];
var wrongNames = ["null", "undefined", "an array", "a foreign object", "\"abc\"", "a 1 MB string", "2^31", "2^40",
                  "1e300", "-2^31-1", "40000", "\"1e300\"", "a function"];
// A JScript array and a function are objects whose value is their text: the automation layer converts
// [1, 2] as "1,2", which reads as the number 12 (the comma a thousands separator), and a function as its
// source text, which is no number.
var M = kTypeMismatch, O = kOverflow;
function expectedTable(kind, hwndError) {
    switch (kind) {
    case "long": return [M, 0, 0, M, M, M, O, O, O, O, 0, O, M];
    case "hwnd": return [M, 0, hwndError, M, M, M, O, O, O, O, hwndError, O, M];
    case "short": return [M, 0, 0, M, M, M, O, O, O, O, O, O, M];
    case "bool": return [M, 0, 0, M, M, M, 0, 0, 0, 0, 0, 0, M];
    case "text": return [M, 0, 0, M, 0, 0, 0, 0, 0, 0, 0, 0, 0];
    case "object": return [0, 0, 0, 0, M, M, M, M, M, M, M, M, 0];
    }
    throw new Error("no table for " + kind);
}

// The error (number, description) of body, or null.
function outcome(body) {
    try {
        body();
    } catch (e) {
        return e;
    }
    return null;
}

// The dispatch's own codes (type mismatch, overflow, wrong argument count, no such member) come, as the
// automation contract has them, without error information: this host reports their number and no text.
// Every error a member raises carries its description.
var kDispatchCodes = [kTypeMismatch, kOverflow, kBadParamCount, kMemberNotFound];
function expectOutcome(e, wanted, what) {
    var number = e === null ? 0 : e.number;
    check(number === wanted, what + ": error " + number + (e === null ? "" : " \"" + e.description + "\"") +
          ", expected " + wanted);
    var dispatchCode = false;
    for (var k = 0; k < kDispatchCodes.length; k++) if (number === kDispatchCodes[k]) dispatchCode = true;
    if (e !== null && !dispatchCode)
        check(typeof e.description == "string" && e.description.length > 0, what + ": error " + number + " has no description");
}

// o[name](args...) with as many arguments as given.
function callWith(o, name, a) {
    switch (a.length) {
    case 0: return o[name]();
    case 1: return o[name](a[0]);
    case 2: return o[name](a[0], a[1]);
    case 3: return o[name](a[0], a[1], a[2]);
    case 4: return o[name](a[0], a[1], a[2], a[3]);
    case 5: return o[name](a[0], a[1], a[2], a[3], a[4]);
    case 6: return o[name](a[0], a[1], a[2], a[3], a[4], a[5]);
    case 7: return o[name](a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    case 8: return o[name](a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    case 9: return o[name](a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
    case 10: return o[name](a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
    }
    throw new Error("too many arguments for callWith");
}

// Each class: its properties by kind, its methods with the kinds of their parameters (those that may
// take any convertible value; "dialog" methods get only values that fail), the members read-only, and
// the methods without parameters.
var classes = [
    {progId: "Chooser10.clsZqPickerColorDialogA", hwnd: 0x800442E1 | 0,
     properties: {HWndOwner: "hwnd", Flags: "long", InitialColour: "long", DialogTitle: "text", CenterDialog: "bool"},
     methods: {Init: ["long", "text", "hwnd", "long"]}, readOnly: ["SelectedColour"], noParameters: ["Show"]},
    {progId: "Chooser10.clsZqPickerBFFA", hwnd: 0x800442A6 | 0,
     properties: {HWndOwner: "hwnd", Flags: "long", DialogTitle: "text", InitialPath: "text"},
     methods: {Init: ["text", "hwnd", "text", "long"]}, readOnly: ["SelectedPath"], noParameters: ["Browse"]},
    {progId: "Chooser10.clsZqPickerFileOpenSaveA", hwnd: 0x80044435 | 0,
     properties: {hInst: "long", CenterDialog: "bool", DefaultExt: "text", ShowPreview: "bool", DefaultFilter: "short",
                  DialogTitle: "text", FileName: "text", FileTitle: "text", Filter: "text", Flags: "long", HWndOwner: "hwnd",
                  InitialDir: "text", MaxFileSize: "short", PreviewObject: "object"},
     methods: {Init: ["text", "short", "text", "text", "text", "hwnd", "long", "bool", "object"],
               GetNextFileName: ["short"], FarProc: ["long"]},
     dialogMethods: {Show: ["long"]}, readOnly: ["FileCount", "SelectedPath"], noParameters: []},
    {progId: "Chooser10.clsZqPickerFontDialogA", hwnd: 0x80044471 | 0,
     properties: {CenterDialog: "bool", Colour: "long", DialogTitle: "text", Flags: "long", Font: "object",
                  FontType: "long", HWndOwner: "hwnd", Max: "short", Min: "short", Style: "short"},
     methods: {Init: ["object", "text", "hwnd", "long"]}, readOnly: [], noParameters: ["Show"]},
    {progId: "Chooser10.clsZqPickerPrintDialogA", hwnd: 0x80044615 | 0,
     properties: {Copies: "short", Flags: "long", FromPage: "short", HDC: "long", HWndOwner: "hwnd", Max: "short",
                  Min: "short", PrintRange: "long", ToPage: "short"},
     methods: {Init: ["hwnd", "long"]}, readOnly: [], noParameters: ["Show"]},
    {progId: "Chooser10.clsZqPickerFilePpsA", hwnd: 0, properties: {}, methods: {},
     dialogMethods: {DisplayFileProperties: ["long", "text"], ShowProperties: ["text", "long"],
                     ShowAbout: ["long", "text", "text", "long"]}, readOnly: [], noParameters: []}
];

// The arguments of a call that gives the value in position p: every other one a value of its kind that
// converts (0 or ""), the filter given, so that only the value under test can fail.
function argumentsFor(kinds, p, value) {
    var a = [];
    for (var k = 0; k < kinds.length; k++) {
        if (k == p) a.push(value);
        else a.push(kinds[k] == "text" ? "" : kinds[k] == "object" ? null : 0);
    }
    return a;
}

for (var c = 0; c < classes.length; c++) {
    var entry = classes[c];
    group(entry.progId + ": wrong values", function () {
        var o = new ActiveXObject(entry.progId);
        var name, i, p, kinds, table;
        for (name in entry.properties) {
            table = expectedTable(entry.properties[name], entry.hwnd);
            for (i = 0; i < wrong.length; i++)
                expectOutcome(outcome(function () { o[name] = wrong[i]; }), table[i], name + " = " + wrongNames[i]);
        }
        for (name in entry.methods) {
            kinds = entry.methods[name];
            for (p = 0; p < kinds.length; p++) {
                table = expectedTable(kinds[p], entry.hwnd);
                for (i = 0; i < wrong.length; i++)
                    expectOutcome(outcome(function () { callWith(o, name, argumentsFor(kinds, p, wrong[i])); }), table[i],
                                  name + " argument " + (p + 1) + " " + wrongNames[i]);
            }
            // One too many, and a put on the method.
            expectOutcome(outcome(function () { callWith(o, name, argumentsFor(kinds.concat(["long"]), -1, 0)); }),
                          kBadParamCount, name + " with one argument too many");
            expectOutcome(outcome(function () { o[name] = 1; }), kMemberNotFound, "a put on the method " + name);
        }
        for (name in entry.dialogMethods || {}) {
            kinds = entry.dialogMethods[name];
            for (p = 0; p < kinds.length; p++) {
                if (kinds[p] == "text") continue;
                table = expectedTable(kinds[p], entry.hwnd);
                for (i = 0; i < wrong.length; i++) {
                    if (table[i] === 0 || table[i] === entry.hwnd) continue;
                    expectOutcome(outcome(function () { callWith(o, name, argumentsFor(kinds, p, wrong[i])); }), table[i],
                                  name + " argument " + (p + 1) + " " + wrongNames[i]);
                }
            }
            expectOutcome(outcome(function () { o[name] = 1; }), kMemberNotFound, "a put on the method " + name);
        }
        for (i = 0; i < entry.readOnly.length; i++)
            expectOutcome(outcome(function () { o[entry.readOnly[i]] = 1; }), kMemberNotFound,
                          "a put on the read-only " + entry.readOnly[i]);
        for (i = 0; i < entry.noParameters.length; i++) {
            expectOutcome(outcome(function () { o[entry.noParameters[i]](1); }), kBadParamCount,
                          entry.noParameters[i] + " with an argument");
            expectOutcome(outcome(function () { o[entry.noParameters[i]] = 1; }), kMemberNotFound,
                          "a put on the method " + entry.noParameters[i]);
        }
    });
}

group("root object: wrong values", function () {
    var root = new ActiveXObject("Chooser10.clsZqChooser10A");
    // The resource loads are property reads with arguments, which this host cannot make (its calls are
    // method calls): whatever the value, no such member, and nothing else happens.
    for (var i = 0; i < wrong.length; i++) {
        expectOutcome(outcome(function () { root.GetProResStrings(wrong[i]); }), kMemberNotFound,
                      "GetProResStrings " + wrongNames[i]);
        expectOutcome(outcome(function () { root.GetProResPicture(1, wrong[i]); }), kMemberNotFound,
                      "GetProResPicture kind " + wrongNames[i]);
    }
    expectOutcome(outcome(function () { root.About(1); }), kBadParamCount, "About with an argument");
    expectOutcome(outcome(function () { root.About = 1; }), kMemberNotFound, "a put on the method About");
});

group("too few arguments", function () {
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    expectOutcome(outcome(function () { file.Init(); }), kBadParamCount, "file Init without its filter");
    expectOutcome(outcome(function () { file.FarProc(); }), kBadParamCount, "FarProc without its address");
    expectOutcome(outcome(function () { file.Show(); }), kBadParamCount, "Show without its dialog type");
    var pps = new ActiveXObject("Chooser10.clsZqPickerFilePpsA");
    expectOutcome(outcome(function () { pps.ShowAbout(0); }), kBadParamCount, "ShowAbout without its texts");
});

group("every object still works", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.InitialColour = 255;
    checkEqual(c.InitialColour, 255, "colour InitialColour");
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    file.Filter = "Text|*.txt";
    checkEqual(file.Filter, "Text|*.txt", "file Filter");
    check(gPassed > 1000, "the checks ran (" + gPassed + " passed)");
});

summary();
