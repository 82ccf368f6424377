#include "WidgetTests.h"
#include "wordproc/RtfWriter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <fstream>

// The writer's files read by another program, unrtf: the same text, and the
// same bold, italic, underlined, font and colour runs. Its HTML goes through
// Qt's HTML reader, so the check owes nothing to the project's own reader.
class UnrtfTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // One character as unrtf shows it: a mark before a bulleted paragraph
    // has no format to compare.
    struct Shown {
        QChar c;
        bool bold = false, italic = false, underline = false;
        QString family;
        std::optional<quint32> colour;
        bool listMark = false;
        bool operator==(const Shown &o) const
        {
            return c == o.c
                && (listMark || o.listMark
                    || (bold == o.bold && italic == o.italic && underline == o.underline && family == o.family
                        && colour == o.colour));
        }
    };

    static rtf::CharFormat format(const char *family, bool bold = false, bool italic = false, bool underline = false,
                                  std::optional<quint32> colour = std::nullopt)
    {
        return rtf::CharFormat{QString::fromUtf8(family), 24, bold, italic, underline, colour};
    }

    static rtf::Paragraph paragraph(QList<rtf::Run> runs, bool bullet = false)
    {
        rtf::Paragraph p;
        p.format.bullet = bullet;
        p.runs = std::move(runs);
        p.mark = format("Times New Roman");
        return p;
    }

    // unrtf leaves a code-page character that ends a group out of the
    // group's format, so formatted runs here end in a plain letter.
    static rtf::Document letter()
    {
        const rtf::CharFormat times = format("Times New Roman");
        rtf::Document d;
        d.paragraphs = {
            paragraph({rtf::Run{"SARL Tavelin", format("Arial", true)}}),
            paragraph({}),
            paragraph({rtf::Run{QStringLiteral("Cher client, votre règlement du "), times},
                       rtf::Run{"15 mars", format("Times New Roman", true)},
                       rtf::Run{QStringLiteral(" n'est pas arrivé : "), times},
                       rtf::Run{QStringLiteral("écrivez-nous"), format("Times New Roman", false, true)},
                       rtf::Run{" ou ", times},
                       rtf::Run{QStringLiteral("téléphonez"), format("Times New Roman", false, false, true)},
                       rtf::Run{QStringLiteral(" à l'agence {Lyon} \\ 69"), times}}),
            paragraph({rtf::Run{QStringLiteral("Montant dû : 1 250,00 € net"), format("Courier New", true, true, true, 0xFF0000)},
                       rtf::Run{QStringLiteral("\u2028ligne suivante"), times}}),
            paragraph({rtf::Run{"premier point", times}}, true),
            paragraph({rtf::Run{"second point", format("Times New Roman", false, false, false, 0x0000FF)}}, true),
        };
        return d;
    }

    void run(const QString &mode, const rtf::Document &document, QString &output)
    {
        const QString path = dir.filePath(QStringLiteral("lettre.rtf"));
        std::ofstream(path.toStdString(), std::ios::binary) << rtf::write(document);
        QProcess unrtf;
        unrtf.start(QStringLiteral("unrtf"), {mode, path});
        QVERIFY2(unrtf.waitForFinished(20000), "unrtf did not run: scripts/deps.sh installs it");
        QCOMPARE(unrtf.exitCode(), 0);
        const QByteArray bytes = unrtf.readAllStandardOutput();
        output = mode == QLatin1String("--text") ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    }

    static QList<Shown> expected(const rtf::Document &document)
    {
        QList<Shown> out;
        for (const rtf::Paragraph &p : document.paragraphs) {
            if (p.format.bullet)
                out.append(Shown{QChar(0x2022), false, false, false, {}, {}, true});
            for (const rtf::Run &run : p.runs)
                for (const QChar c : run.text)
                    if (!c.isSpace())
                        out.append(Shown{c, run.format.bold, run.format.italic, run.format.underline,
                                         run.format.family, run.format.colour, false});
        }
        return out;
    }

    static QList<Shown> shown(const QTextDocument &html)
    {
        QList<Shown> out;
        for (QTextBlock block = html.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const QStringList families = f.fontFamilies().toStringList();
                std::optional<quint32> colour;
                if (f.foreground().style() != Qt::NoBrush)
                    colour = f.foreground().color().rgb() & 0xFFFFFF;
                for (const QChar c : it.fragment().text())
                    if (!c.isSpace())
                        out.append(Shown{c, f.fontWeight() >= QFont::Bold, f.fontItalic(), f.fontUnderline(),
                                         families.value(0), colour, false});
            }
        }
        return out;
    }

private slots:
    void textReadsTheSame()
    {
        // Its plain text is Latin-1 and shows neither bullets nor tabs as
        // they are: a letter of Latin-1 characters, without them.
        rtf::Document document = letter();
        document.paragraphs.resize(3);
        QString text;
        run(QStringLiteral("--text"), document, text);
        const QString marker = QStringLiteral("-----------------\n");
        QVERIFY(text.contains(marker));
        text = text.mid(text.indexOf(marker) + marker.size());
        QString wanted;
        for (const rtf::Paragraph &p : document.paragraphs)
            wanted += p.text() + u'\n';
        QCOMPARE(text, wanted);
    }

    void formatsReadTheSame()
    {
        const rtf::Document document = letter();
        QString html;
        run(QStringLiteral("--html"), document, html);
        QTextDocument parsed;
        parsed.setHtml(html);
        const QList<Shown> got = shown(parsed);
        const QList<Shown> want = expected(document);
        QCOMPARE(got.size(), want.size());
        for (qsizetype i = 0; i < want.size(); ++i) {
            QVERIFY2(got[i] == want[i],
                     qPrintable(QStringLiteral("character %1 '%2': unrtf shows '%3' b%4 i%5 u%6 %7 %8")
                                    .arg(i)
                                    .arg(want[i].c)
                                    .arg(got[i].c)
                                    .arg(got[i].bold)
                                    .arg(got[i].italic)
                                    .arg(got[i].underline)
                                    .arg(got[i].family)
                                    .arg(got[i].colour.value_or(0), 6, 16, QChar(u'0'))));
        }
    }
};

TAVELIN_WIDGET_TEST(UnrtfTest)
#include "Unrtf_test.moc"
