// Checks shared by the JScript tests; the runner puts this file in front of each test. A test ends by
// calling summary(), and the runner fails it when the output does not end with that line: Wine's cscript
// ends silently on an unhandled error, and this is how such an end is noticed.
var gPassed = 0, gFailed = 0, gGroup = "";

function describe(v) {
    if (v === null) return "null";
    if (typeof v == "string") return "\"" + v + "\" (string)";
    return String(v) + " (" + typeof v + ")";
}

function check(condition, what) {
    if (condition) {
        gPassed++;
    } else {
        gFailed++;
        WScript.Echo("FAIL [" + gGroup + "] " + what);
    }
}

// Same value and same JScript type.
function checkEqual(actual, expected, what) {
    check(actual === expected, what + ": expected " + describe(expected) + ", got " + describe(actual));
}

// Runs a group of checks; an error that escapes it counts as one failure and the next group still runs.
function group(name, body) {
    gGroup = name;
    try {
        body();
    } catch (e) {
        check(false, "unexpected error " + e.number + " \"" + e.description + "\"");
    }
}

// The error that body throws, or null.
function caught(body) {
    try {
        body();
    } catch (e) {
        return e;
    }
    return null;
}

function summary() {
    WScript.Echo(gPassed + " passed, " + gFailed + " failed");
}

// ---- end of the prelude; the test follows ----
