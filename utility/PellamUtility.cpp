#include "PellamUtility.h"

#include "dialogs/Dialogs.h"
#include "environment/DayFileName.h"
#include "environment/Registry.h"
#include "environment/SqlDateLiteral.h"
#include "errors/ErrorReport.h"
#include "format/AmountWords.h"
#include "format/IndianNumberFormat.h"
#include "help/HelpViewer.h"
#include "input/FormControls.h"
#include "input/KeyValidation.h"
#include "scramble/Scrambler.h"
#include "system/SystemServices.h"

namespace pellam {

const QString PellamUtility::kTitle = QStringLiteral("PellamUtil");

namespace {

constexpr QChar CR(13);

void showFormatError(const QString& lead, const PellamError& error)
{
    MessageRequest m;
    m.text = lead + CR + CR + QStringLiteral(" The Error is :-") + error.Description();
    m.title = PellamUtility::kTitle;
    m.icon = MessageIcon::Information;
    dialogs().message(m);
}

} // namespace

QString PellamUtility::NumFormat(const QString& Digits, short MaxLen, ByRef<short> DeciLen, bool /*Goup*/,
                                 bool SystemSetting) const
{
    if (DeciLen.get() < 0)
        DeciLen = 0;
    const FormattedNumber f = formatIndian(Digits, MaxLen, DeciLen.get(), SystemSetting);
    if (f.error)
        showFormatError(QStringLiteral(" An Error occured while formating the number Result may be invalid !!!"),
                        *f.error);
    return f.text;
}

QString PellamUtility::ConVNumber(const QVariant& Num, bool AddRsPs) const
{
    const words::AmountInWords w = words::amountInWords(Num, AddRsPs);
    if (w.error)
        showFormatError(QStringLiteral(" An Error occured The Result may be Invalid !!!"), *w.error);
    return w.text;
}

QString PellamUtility::NumberWord(int Index)
{
    return words::numberWord(Index);
}

QString PellamUtility::SpellNumber(int Value)
{
    return words::spellNumber(Value);
}

quint8 PellamUtility::ErFunct(PellamError& Er, const QString& CtrlName, const QString& Frm,
                              ByRef<QString> LogFile) const
{
    if (LogFile.get().trimmed().isEmpty())
        LogFile = errorLogFile_;
    const errors::ErrorResponse response = errors::responseTo(Er, kTitle);
    for (int i = 0; i < response.beepsBefore; ++i)
        sys::beep();
    const quint8 code = response.code(dialogs().message(response.message));
    if (!LogFile.get().isEmpty())
        errors::appendToLog(LogFile.get(), Er, CtrlName, Frm);
    Er.Clear();
    return code;
}

void PellamUtility::KeyValidate(short& KeyValue, int ValidationType, bool EnterForTabKey, bool SkipControlkeys) const
{
    const input::KeyVerdict verdict = input::judgeKey(KeyValue, ValidationType, EnterForTabKey, SkipControlkeys);
    if (verdict.moveOn)
        input::sendTab();
    KeyValue = short(verdict.code);
}

void PellamUtility::DisCtrll(QWidget* ActFrm) const
{
    input::setEntriesEnabled(ActFrm, false);
}

void PellamUtility::EnableCtrl(QWidget* ActFrm) const
{
    input::setEntriesEnabled(ActFrm, true);
}

void PellamUtility::EmptyCtrl(QWidget* Frm) const
{
    input::emptyEntries(Frm);
}

QString PellamUtility::GetSqlDate(const QString& DateConv, int pq) const
{
    return environment::sqlDateLiteral(DateConv, pq);
}

QString PellamUtility::GetDayFile(ByRef<QDate> CurDate, bool Extension) const
{
    if (!CurDate.get().isValid() || CurDate.get() <= QDate(2000, 1, 1))
        CurDate = QDate::currentDate();
    return environment::dayFileName(CurDate.get(), Extension);
}

bool PellamUtility::UpdateKey(int KeyRoot, const QString& KeyName, const QString& SubKeyName,
                              ByRef<QString> SubKeyValue) const
{
    return environment::writeKeyValue(KeyRoot, KeyName, SubKeyName, SubKeyValue.get());
}

QString PellamUtility::GetKeyValue(int KeyRoot, const QString& KeyName, const QString& SubKeyRef) const
{
    return environment::readKeyValue(KeyRoot, KeyName, SubKeyRef);
}

QString PellamUtility::GetWinUser() const
{
    QString name = sys::userName().toUpper();
    const qsizetype zero = name.indexOf(QChar(0));
    return (zero < 0 ? name : name.left(zero)).left(80);
}

QString PellamUtility::GetComputer() const
{
    QString name = sys::computerName().trimmed();
    const qsizetype zero = name.indexOf(QChar(0));
    return (zero < 0 ? name : name.left(zero)).left(255);
}

QString PellamUtility::GetTempDir() const
{
    return environment::tempDirFromEnvironment();
}

void PellamUtility::ExecuteFile(const QString& ExeFile) const
{
    sys::startProgram(ExeFile, true);
}

void PellamUtility::GetHelpContent(short TopicId, const QString& HlpFile) const
{
    helpViewer().showContents(HlpFile, TopicId);
}

void PellamUtility::GetHelpTopic(short TopicId, const QString& HlpFile) const
{
    helpViewer().showTopic(HlpFile, TopicId);
}

void PellamUtility::GetHelpIndex(short TopicId, const QString& HlpFile) const
{
    helpViewer().showIndex(HlpFile, TopicId);
}

void PellamUtility::GetHelpClose() const
{
    helpViewer().close();
}

QString PellamUtility::EnCrypt(const QString& Textstr) const
{
    return scramble::scramble(Textstr);
}

QString PellamUtility::DeCrypt(const QString& Textstr) const
{
    return scramble::unscramble(Textstr);
}

} // namespace pellam
