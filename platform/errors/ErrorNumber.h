#pragma once

namespace pellam {

// Every error number the program raises or its error handler answers, named
// once. The numbers are those the error log and the handler's answers have
// always used, so logs stay comparable.
enum ErrorNumber : int {
    InvalidCall = 5,               // an argument out of range
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIOError = 57,            // a file or device could not be flushed or written
    FileExists = 58,
    DiskFull = 61,
    PermissionDenied = 70,
    PathAccessError = 75,
    PathNotFound = 76,
    InvalidFileFormat = 321,       // a file that is not what it should be (a copy that is no sound backup)
    ObjectNotSet = 91,
    InvalidUseOfNull = 94,
    InvalidPropertyValue = 380,
    ReadOnlyAtRunTime = 382,
    ObjectRequired = 424,
    UnsupportedMember = 438,
    RemoteMachineUnreachable = 462,
    PrinterError = 482,
    NoCurrentRecord = 3021,        // nothing found where a row was expected
    DuplicateKey = 3022,           // a unique index refused the row
    FileReplaced = 3197,           // the books were replaced since they were opened
    DatabaseLocked = 3261,         // another program holds the books
    ItemNotFound = 3265,           // no field of that name or index
    InvalidDataEntries = 3421,
    ObjectClosed = 3704,           // a record set used after it was closed
    PrinterNotReady = -2147024867,
    PrinterOffline = -2147024868,
    CannotOpen = -2147467259,      // the file cannot be opened as a database
    InvalidLogin = -2147217843,
    StatementFailed = -2147217900,
};

} // namespace pellam
