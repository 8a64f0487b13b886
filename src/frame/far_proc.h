// FarProc: hands a hook or callback procedure's address on unchanged, for the procedure field of a
// platform record.
#pragma once

namespace cz {

template <class Procedure>
Procedure FarProc(Procedure procedure) {
    return procedure;
}

}  // namespace cz
