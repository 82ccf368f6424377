#include "wordproc/TextCommands.h"

#include "ledger/FileIO.h"
#include "platform/BusyPointer.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/PrinterDialogs.h"
#include "platform/Printer.h"
#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"

#include <QFileInfo>

namespace {

constexpr int kHeadingLines = 4;

} // namespace

rtf::Document letterhead(const QStringList &heading, const rtf::CharFormat &format)
{
    rtf::Document document;
    for (int i = 0; i < kHeadingLines; ++i) {
        rtf::Paragraph paragraph;
        rtf::append(paragraph, heading.value(i), format);
        paragraph.mark = format;
        document.paragraphs.append(std::move(paragraph));
    }
    return document;
}

TextCommands::TextCommands(const Platform &platform, TextContent &content)
    : platform_(platform), content_(content)
{
}

void TextCommands::Setsoc(const QStringList &heading)
{
    heading_ = heading.mid(0, kHeadingLines);
}

QString TextCommands::changesQuestion() const
{
    return QStringLiteral("Enregistrer changements dans ") + QFileInfo(fileName_).fileName() + QStringLiteral(" ?");
}

bool TextCommands::confirmDiscard()
{
    if (!content_.modified())
        return true;
    switch (platform_.messages->warningYesNoCancel(changesQuestion())) {
    case Messages::Answer::Yes: return save();
    case Messages::Answer::No: return true;
    case Messages::Answer::Cancel: return false;
    }
    return false;
}

bool TextCommands::newLetter()
{
    if (!confirmDiscard())
        return false;
    content_.setDocument(letterhead(heading_, content_.defaultFormat()));
    content_.setModified(false);
    return true;
}

void TextCommands::open()
{
    if (!confirmDiscard())
        return;
    const std::optional<QString> chosen =
        platform_.fileDialogs->open(FileDialogRequest{QStringLiteral("Ouvrir"), {}, QStringLiteral("rtf"), kFilter});
    if (!chosen)
        return;
    std::string bytes;
    if (const QString why = fileio::readWhole(*chosen, bytes); !why.isEmpty()) {
        platform_.messages->information(fileio::readFailedMessage(*chosen, why));
        return;
    }
    content_.setDocument(rtf::read(bytes));
    content_.setModified(false);
    fileName_ = *chosen;
}

bool TextCommands::save()
{
    if (!content_.modified())
        return true;
    const std::optional<QString> chosen = platform_.fileDialogs->save(
        FileDialogRequest{QStringLiteral("Enregistrer sous"), fileName_, QStringLiteral("rtf"), kFilter, true});
    if (!chosen)
        return false;
    fileName_ = *chosen;
    const QString why = fileio::writeAtomically(fileName_, rtf::write(content_.document()), fileio::NamedBy::User);
    if (!why.isEmpty()) {
        platform_.messages->information(fileio::saveFailedMessage(fileName_, why));
        return false;
    }
    content_.setModified(false);
    return true;
}

void TextCommands::print()
{
    if (!platform_.printerDialogs->print())
        return;
    Printer &printer = *platform_.printer;
    const Hourglass busy(platform_.busy);
    if (!printer.beginDocument()) {
        platform_.messages->information(printerRefusedMessage());
        return;
    }
    printer.richText(content_.richText());
    printer.endDocument();
}
