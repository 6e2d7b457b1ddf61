#pragma once

#include "ByRef.h"
#include "UtilExport.h"
#include "errors/PellamError.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <memory>

class QWidget;

namespace pellam {

class ExcelWorkbook;

// The program's utility object: number formatting and amounts in words,
// error reporting, keystroke validation, SQL date literals, settings and
// environment services, and password scrambling. The program keeps one for
// the whole run; its UserName and PassWord carry the logged-in user.
class PELLAM_UTIL_EXPORT PellamUtility {
public:
    enum BackEndType : int { Db_SQLServer = 0, Db_MSAccess = 1, Db_FoxPro = 2, Db_Oracle = 3, Db_Excel = 4, Db_DBase = 5 };

    enum KeyValidtypes : int {
        UpperCase = 1,
        UcaseAlphabetOnly = 2,
        NumberOnly = 3,
        NumwithDecimalPoint = 4,
        NumAndSpecialChar = 5,
        AnyAlphabet = 6,
        NumAndAlphabetOnly = 7,
        NumAndAlphaAnyCase = 8,
        LowerCase = 9,
        LowerCaseAlphabetOnly = 10,
        UCaseAlphaSpace = 11,
        LCaseAlphaSpace = 12,
        AlphaSpecialChar = 13,
    };

    enum RegkeyType : int {
        HKeyCLASSES_ROOT = int(0x80000000),
        HkeyCURRENT_USER = int(0x80000001),
        HkeyLOCAL_MACHINE = int(0x80000002),
        HkeyUSERS = int(0x80000003),
        HkeyPERFORMANCE_DATA = int(0x80000004),
    };

    // The caption of the utility's own message boxes.
    static const QString kTitle;

    // --- numbers and words ---------------------------------------------
    // An amount right-aligned in `MaxLen` with Indian grouping and `DeciLen`
    // decimals. A negative `DeciLen` is set to 0, in the caller's variable too.
    // `Goup` has no effect. A failure is shown and the best text returned.
    QString NumFormat(const QString& Digits, short MaxLen, ByRef<short> DeciLen = short(2), bool Goup = true,
                      bool SystemSetting = false) const;
    // An amount in words; with `AddRsPs`, with Rupees and Paise.
    QString ConVNumber(const QVariant& Num, bool AddRsPs = false) const;
    static QString NumberWord(int Index);
    static QString SpellNumber(int Value);

    // --- errors ----------------------------------------------------------
    // Shows the error, logs it (two lines) and tells the caller what to do:
    // 0 retry, 1 continue, 2 connection failed, 3 login refused, 10 abandon.
    // A blank `LogFile` becomes `ErrorLogFile()`, in the caller's variable too.
    // Throws PellamError when the log cannot be written.
    quint8 ErFunct(PellamError& Er, const QString& CtrlName = QString(), const QString& Frm = QString(),
                   ByRef<QString> LogFile = QString()) const;
    QString ErrorLogFile() const { return errorLogFile_; }
    void setErrorLogFile(const QString& file) { errorLogFile_ = file; }
    QString UserName() const { return userName_; }
    void setUserName(const QString& name) { userName_ = name; }
    QString PassWord() const { return passWord_; }
    void setPassWord(const QString& password) { passWord_ = password; }

    // --- keystrokes and form controls ------------------------------------
    // Judges a typed character code by a validation kind: the code is left,
    // changed (case) or set to 0 (dropped). Enter moves the focus on.
    void KeyValidate(short& KeyValue, int ValidationType, bool EnterForTabKey = true,
                     bool SkipControlkeys = true) const;
    void DisCtrll(QWidget* ActFrm) const;
    void EnableCtrl(QWidget* ActFrm) const;
    void EmptyCtrl(QWidget* Frm) const;

    // --- dates, settings, environment ------------------------------------
    QString GetSqlDate(const QString& DateConv, int pq) const;
    // A date not later than 1 January 2000 (or none) becomes today, in the
    // caller's variable too.
    QString GetDayFile(ByRef<QDate> CurDate = QDate(), bool Extension = true) const;
    // An empty value is stored as a single blank, in the caller's variable too.
    bool UpdateKey(int KeyRoot, const QString& KeyName, const QString& SubKeyName, ByRef<QString> SubKeyValue) const;
    QString GetKeyValue(int KeyRoot, const QString& KeyName, const QString& SubKeyRef) const;
    QString PubKeyName() const { return QStringLiteral("Software\\Pellam"); }
    QString GetWinUser() const;
    QString GetComputer() const;
    QString GetTempDir() const;
    // Runs a command line and returns when it has ended. Throws PellamError
    // when the program cannot be started.
    void ExecuteFile(const QString& ExeFile) const;
    void GetHelpContent(short TopicId, const QString& HlpFile = QString()) const;
    void GetHelpTopic(short TopicId, const QString& HlpFile = QString()) const;
    void GetHelpIndex(short TopicId, const QString& HlpFile = QString()) const;
    void GetHelpClose() const;

    // --- spreadsheets ------------------------------------------------------
    // Asks for the new workbook's name in a save dialog that starts in
    // `FilePath` (when blank: the folder last saved into, else the user's
    // documents folder, in the caller's variable too; a name without an
    // extension gets ".xlsx") and makes the empty workbook into `PqExcel`.
    // False when the user cancels or the file cannot be written there (said
    // in a message).
    bool CreateExcel(std::unique_ptr<ExcelWorkbook>& PqExcel, ByRef<QString> FilePath = QString()) const;
    // Writes the finished workbook, says where it is and on request opens
    // it (saying again where it is when no program can show it). Throws
    // PellamError when the file cannot be written; none is left.
    void CloseViewEx(std::unique_ptr<ExcelWorkbook>& XlWork) const;

    // --- scrambling --------------------------------------------------------
    QString EnCrypt(const QString& Textstr) const;
    QString DeCrypt(const QString& Textstr) const;

private:
    QString errorLogFile_;
    QString userName_;
    QString passWord_;
};

} // namespace pellam
