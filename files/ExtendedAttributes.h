#pragma once
// Carrying a file's extended attributes over to the file that replaces it: its access control
// list ("system.posix_acl_access") and whatever else the process may set.

// Copies the attributes of the open file `from` to the open file `to`. File capabilities are
// never carried to new contents, as the kernel drops them on any write; another attribute that
// the process may not set is left out. False only when an access control list, or any other
// "system." attribute that governs access, could not be read or set: the new file would then
// grant more than the old one.
bool CopyExtendedAttributes(int from, int to);
