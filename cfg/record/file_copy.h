// Copying a program file for Save As: the copy is finished beside the target
// and only then takes the target's name, so that a copy that fails part way
// (a full disk, a removed drive) never stands under that name.
#ifndef QLC_CFG_RECORD_FILE_COPY_H
#define QLC_CFG_RECORD_FILE_COPY_H

// Copies source over target, creating or replacing it; a target that is a
// link has the file it leads to replaced. The copy is writable by its owner
// even when the source is read-only. On failure target is as it was and no
// part of the copy is left. Copying a file onto itself leaves it as it is.
bool CopyFileOver(const char* source, const char* target);

#endif
