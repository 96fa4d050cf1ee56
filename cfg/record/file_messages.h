// Texts of the messages shown by the configurable-file code. Kept as macros so
// that the compiler checks each use against its printf arguments. Byte counts
// are long long: a file may be larger than an int counts.
#ifndef QLC_CFG_RECORD_FILE_MESSAGES_H
#define QLC_CFG_RECORD_FILE_MESSAGES_H

#define MSG_OPEN_FAILED "ERROR: open failed on input file %s"
#define MSG_SEEK_END_FAILED "ERROR: _lseek to end failed, file:%s"
#define MSG_SHORT_READ "ERROR: read %lld bytes of %lld"
#define MSG_WRONG_VERSION "Incorrect HAL_STRUCT version! [%d %d]"
#define MSG_INVALID_ENDIAN "Invalid Endian %x"
#define MSG_INVALID_CHECKSUM "ERROR: Invalid checksum!"
#define MSG_NOT_CONFIGURABLE "ERROR: File \"%s\" is not configurable!"
#define MSG_COPY_FAILED "ERROR: could not create file %s!"
#define MSG_HAL_INFO_NOT_FOUND "ERROR: file %s: HAL INFO not found !"
#define MSG_SET_POINTER_FAILED "ERROR: SetFilePointer failed, file:%s"
#define MSG_SHORT_WRITE "ERROR: written %lld bytes of %lld"

#endif
