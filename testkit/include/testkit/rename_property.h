#pragma once
// Random folders and lists, renamed; afterwards nothing may be lost and only
// listed files may have moved. Reproducible: case i uses the seed
// RENAME_PROPERTY_SEED + i (1 unless set); RENAME_PROPERTY_CASES sets how many
// cases run (300 unless set). Reports through the running test.

namespace testkit {

void CheckRenameProperty();

}  // namespace testkit
