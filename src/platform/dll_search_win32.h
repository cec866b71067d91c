#pragma once
// Where this process finds a DLL asked for by name. The launcher's folder is often a USB stick,
// an unpacked download or a Downloads folder, and Windows looks there first for every DLL that
// is not one of its known DLLs: a copy left beside the program would run inside it.

namespace zix {

// What the running Windows let RestrictDllSearch do.
struct DllSearchRestriction {
  bool systemFolderOnly = false;  // DLLs loaded by name come from the system folder alone
  bool currentFolderLast = false;  // SearchPathW looks in the current folder after the system's
};

// To be called before anything loads a DLL by name. Both settings belong to this process alone,
// so the programs it starts search their own folder and working folder as always; neither is
// set where the system lacks it (Windows 7 and Vista without their 2011 update, XP).
DllSearchRestriction RestrictDllSearch();

}  // namespace zix
