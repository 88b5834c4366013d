// Writes the AppStream metadata from its template, adding after each text that software centres
// show (the summary, the description's paragraphs, the screenshot's caption, the keywords) its
// translation in every language of the program's catalogues, as xml:lang elements.
//   write-metainfo TEMPLATE OUTPUT

#include "softwarecentre.h"
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <list>
#include <utility>

namespace {

struct Catalogue
{
    QString language;
    QTranslator translator;
};

class MetainfoWriter
{
public:
    MetainfoWriter(QXmlStreamReader& reader, QXmlStreamWriter& writer) : in(reader), out(writer)
    {
        for (const QString& name :
            QDir(Translations::programFolder(), "velkaro_*.qm").entryList()) {
            Catalogue& catalogue = catalogues.emplace_back();
            catalogue.language = name.mid(8, name.size() - 11);
            if (!catalogue.translator.load(name, Translations::programFolder()))
                fail("cannot read the catalogue " + name);
        }
    }

    bool write()
    {
        while (ok && !in.atEnd()) {
            switch (in.readNext()) {
            case QXmlStreamReader::StartDocument:
                out.writeStartDocument();
                break;
            case QXmlStreamReader::Comment:
                out.writeComment(in.text().toString());
                break;
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                if (in.name() == u"releases")
                    inReleases = false;
                out.writeEndElement();
                break;
            case QXmlStreamReader::Characters:
                if (!in.isWhitespace())
                    out.writeCharacters(in.text().toString());
                break;
            case QXmlStreamReader::EndDocument:
                out.writeEndDocument();
                break;
            default:
                break;
            }
        }
        if (in.hasError())
            fail(in.errorString());
        return ok;
    }

private:
    void startElement()
    {
        const QString name = in.name().toString();
        // Release notes stay as written.
        if (!inReleases && (name == "summary" || name == "p" || name == "caption")) {
            const QString text = in.readElementText().simplified();
            out.writeTextElement(name, text);
            for (const auto& [language, translated] : translations(text)) {
                out.writeStartElement(name);
                out.writeAttribute("xml:lang", language);
                out.writeCharacters(translated);
                out.writeEndElement();
            }
            return;
        }
        if (name == "keywords") {
            writeKeywords();
            return;
        }
        if (name == "releases")
            inReleases = true;
        out.writeStartElement(name);
        out.writeAttributes(in.attributes());
    }

    void writeKeywords()
    {
        QStringList english;
        while (in.readNextStartElement())
            english << in.readElementText().simplified();
        out.writeStartElement("keywords");
        for (const QString& keyword : english)
            out.writeTextElement("keyword", keyword);
        for (const auto& [language, translated] : translations(english.join(';'))) {
            for (const QString& keyword : translated.split(';', Qt::SkipEmptyParts)) {
                out.writeStartElement("keyword");
                out.writeAttribute("xml:lang", language);
                out.writeCharacters(keyword.trimmed());
                out.writeEndElement();
            }
        }
        out.writeEndElement();
    }

    // Each language's translation of `text`, where it has one of its own. A text that the
    // catalogues cannot know, since the program does not list it, stops the build.
    std::list<std::pair<QString, QString>> translations(const QString& text)
    {
        const auto known
            = std::find_if(std::begin(SoftwareCentreTexts), std::end(SoftwareCentreTexts),
                [&](const char* source) { return text == QString::fromUtf8(source); });
        if (known == std::end(SoftwareCentreTexts)) {
            fail("not in ui/softwarecentre.h: " + text);
            return {};
        }
        std::list<std::pair<QString, QString>> found;
        for (const Catalogue& catalogue : catalogues) {
            const QString translated
                = catalogue.translator.translate(SoftwareCentreContext, *known);
            if (!translated.isEmpty() && translated != text)
                found.emplace_back(catalogue.language, translated);
        }
        return found;
    }

    void fail(const QString& why)
    {
        std::fprintf(stderr, "write-metainfo: %s\n", qPrintable(why));
        ok = false;
    }

    QXmlStreamReader& in;
    QXmlStreamWriter& out;
    std::list<Catalogue> catalogues;
    bool inReleases = false;
    bool ok = true;
};

} // namespace

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: write-metainfo TEMPLATE OUTPUT\n", stderr);
        return 2;
    }
    QFile source(arguments.at(1));
    QSaveFile target(arguments.at(2));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "write-metainfo: cannot open %s or %s\n", qPrintable(arguments.at(1)),
            qPrintable(arguments.at(2)));
        return 1;
    }
    QXmlStreamReader in(&source);
    QXmlStreamWriter out(&target);
    out.setAutoFormatting(true);
    out.setAutoFormattingIndent(2);
    if (!MetainfoWriter(in, out).write())
        return 1;
    return target.commit() ? 0 : 1;
}
