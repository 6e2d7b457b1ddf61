#include "core/LineFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using pellam::app::LineFile;
using pellam::app::TextPosition;

namespace {

QString fileWith(const QTemporaryDir& dir, const QByteArray& bytes)
{
    static int made = 0;
    const QString path = dir.filePath(QStringLiteral("lines%1.txt").arg(++made));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

TEST(LineFile, ReadsEachLineWithoutItsEnd)
{
    QTemporaryDir dir;
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"a\n\nb\n\n", {"a", "", "b", ""}},
    };
    for (const auto& c : cases) {
        LineFile file;
        ASSERT_TRUE(file.open(fileWith(dir, c.bytes)));
        EXPECT_EQ(file.lineCount(), c.lines.size()) << c.bytes.constData();
        EXPECT_EQ(file.lines(0, 100), c.lines) << c.bytes.constData();
        for (int i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(file.line(i), c.lines[i]) << c.bytes.constData() << " line " << i;
    }
    EXPECT_FALSE(LineFile().open(dir.filePath(QStringLiteral("missing.txt"))));
}

TEST(LineFile, FindsTextIgnoringCaseFromAPlaceAndGoesRoundTheEndOnce)
{
    QTemporaryDir dir;
    LineFile file;
    ASSERT_TRUE(file.open(fileWith(dir, "RECEIPTS\n"
                                        "  cash in hand\r\n"
                                        "Bank INTEREST  \u20b9 12 \u0926\u093e\u0928\n"
                                        "\n"
                                        "interest on deposits")));
    ASSERT_EQ(file.line(1), QStringLiteral("  cash in hand"));
    const struct {
        const char* text;
        TextPosition from;
        bool forward;
        std::optional<TextPosition> at;
        bool wrapped;
    } cases[] = {
        {"interest", {0, 0}, true, TextPosition{2, 5}, false},
        {"interest", {2, 5}, true, TextPosition{2, 5}, false}, // a match at the place itself
        {"interest", {2, 6}, true, TextPosition{4, 0}, false},
        {"interest", {4, 1}, true, TextPosition{2, 5}, true},
        {"interest", {4, 0}, false, TextPosition{2, 5}, false},
        {"interest", {2, 5}, false, TextPosition{4, 0}, true},
        {"receipts", {3, 0}, true, TextPosition{0, 0}, true},
        {"HAND", {0, 0}, true, TextPosition{1, 10}, false},
        {"\u20b9 12 \u0926\u093e\u0928", {0, 0}, true, TextPosition{2, 15}, false},
        {"donations", {1, 3}, true, std::nullopt, false},
        {"donations", {1, 3}, false, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto match = file.find(QString::fromUtf8(c.text), c.from, c.forward);
        const std::string what = std::string(c.text) + (c.forward ? " forward from " : " back from ") +
                                 std::to_string(c.from.line) + ":" + std::to_string(c.from.column);
        ASSERT_EQ(match.has_value(), c.at.has_value()) << what;
        if (match) {
            EXPECT_EQ(match->at.line, c.at->line) << what;
            EXPECT_EQ(match->at.column, c.at->column) << what;
            EXPECT_EQ(match->wrapped, c.wrapped) << what;
        }
    }
}
