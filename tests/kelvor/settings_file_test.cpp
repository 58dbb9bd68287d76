#include "kelvor/settings_file.h"

#include <gtest/gtest.h>

#include "fakes/test_platform.h"
#include "platform/posix/posix_file_system.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

void ReadSettingsText(TestPlatform& t, const std::string& text) {
    platform::TextFileReader reader(text);
    ReadSettingsLines(t.state, reader);
}

TEST(SettingsFile, ValuesAreCutToTheirLengthsAndKeptUntrimmed) {
    TestPlatform t;
    ReadSettingsText(t,
                     "fontsize=10pt and more\r\n"
                     "fontname=" +
                         std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234") +
                         "\r\n"
                         "mytzid= W. Europe Standard Time\r\n"
                         "dateformat=german\r\n");
    EXPECT_EQ(t.state.settings.fontSize, "10pt");
    EXPECT_EQ(t.state.settings.fontName, "ABCDEFGHIJKLMNOPQRSTUVWX");  // first 24 of 30
    EXPECT_EQ(t.state.settings.myTzid, " W. Europe Standard Time");    // the blank stays
    EXPECT_EQ(t.state.settings.dateFormat, "ge");

    ReadSettingsText(t, "fontsize=9\r\nmytzid=" + std::string(40, 'z') + "\r\ndateformat=de\r\n");
    EXPECT_EQ(t.state.settings.fontSize, "9");  // fewer at the end of the line
    EXPECT_EQ(t.state.settings.myTzid, std::string(32, 'z'));
    EXPECT_EQ(t.state.settings.dateFormat, "de");

    ReadSettingsText(t, "fontsize=  \r\nfontname=\r\n");
    EXPECT_EQ(t.state.settings.fontSize, "  ");
    EXPECT_EQ(t.state.settings.fontName, "");
}

TEST(SettingsFile, EveryLabelKeyReplacesItsLabelTrimmed) {
    TestPlatform t;
    ReadSettingsText(t,
                     "event=Termin\r\norganizer=Organisator\r\nstartdate=Beginn\r\n"
                     "when=Wann\r\nuntil=Bis\r\nduration=Dauer\r\nstatus=Stand\r\n"
                     "comment=Kommentar\r\nfrequency=Haeufigkeit\r\nrepeating=Wiederholung\r\n"
                     "where=Ort\r\nattendance=Teilnahme\r\naction=Aktion\r\nrsvp=Antwort\r\n"
                     "summary=Betreff\r\ndescription=Beschreibung\r\nattendees=Teilnehmer\r\n"
                     "role=Rolle\r\nname=Name:\r\n");
    const ReportLabels& l = t.state.settings.labels;
    EXPECT_EQ(l.event, "Termin");
    EXPECT_EQ(l.organizer, "Organisator");
    EXPECT_EQ(l.startdate, "Beginn");
    EXPECT_EQ(l.when, "Wann");
    EXPECT_EQ(l.until, "Bis");
    EXPECT_EQ(l.duration, "Dauer");
    EXPECT_EQ(l.status, "Stand");
    EXPECT_EQ(l.comment, "Kommentar");
    EXPECT_EQ(l.frequency, "Haeufigkeit");
    EXPECT_EQ(l.repeating, "Wiederholung");
    EXPECT_EQ(l.where, "Ort");
    EXPECT_EQ(l.attendance, "Teilnahme");
    EXPECT_EQ(l.action, "Aktion");
    EXPECT_EQ(l.rsvp, "Antwort");
    EXPECT_EQ(l.summary, "Betreff");
    EXPECT_EQ(l.description, "Beschreibung");
    EXPECT_EQ(l.attendees, "Teilnehmer");
    EXPECT_EQ(l.role, "Rolle");
    EXPECT_EQ(l.name, "Name:");

    // Blanks and control characters go at both ends, not inside; the cut comes first.
    ReadSettingsText(t, "where=  Meeting room \t\r\ncomment=\x01 Notes\x7f\r\n");
    EXPECT_EQ(l.where, "Meeting room");
    EXPECT_EQ(l.comment, "Notes");
    const std::string fortyChars = "  " + std::string(29, 'a') + " b" + std::string(7, 'c');
    ReadSettingsText(t, "summary=" + fortyChars + "\r\n");
    EXPECT_EQ(l.summary, std::string(29, 'a'));  // first 32 are blanks, 29 a's, a blank
    ReadSettingsText(t, "role=\n\r\n");          // an LF alone is part of the value
    EXPECT_EQ(l.role, "");
}

TEST(SettingsFile, LastLineOfAKeyWinsAndUnknownLinesAreIgnored) {
    TestPlatform t;
    ReadSettingsText(t,
                     "[Kelvor]\r\n"
                     "where=First\r\n"
                     "Where=Capital\r\n"
                     "WHERE=CAPITALS\r\n"
                     " where=Indented\r\n"
                     "; where=remark\r\n"
                     "DATEFORMAT=de\r\n"
                     "where=Second\r\n");
    EXPECT_EQ(t.state.settings.labels.where, "Second");
    EXPECT_EQ(t.state.settings.dateFormat, "en");
    EXPECT_EQ(t.state.settings.labels.name, "Name");  // "fontname=" is not "name="
    ReadSettingsText(t, "fontname=Arial\r\n");
    EXPECT_EQ(t.state.settings.labels.name, "Name");
    EXPECT_EQ(t.state.settings.fontName, "Arial");
}

TEST(SettingsFile, ReadingStopsAtTheFirstEmptyLine) {
    TestPlatform t;
    ReadSettingsText(t, "where=Ort\r\n   \r\nrole=Rolle\r\n\r\nname=Wer\r\n");
    EXPECT_EQ(t.state.settings.labels.where, "Ort");
    EXPECT_EQ(t.state.settings.labels.role, "Rolle");  // a line of blanks is not empty
    EXPECT_EQ(t.state.settings.labels.name, "Name");

    TestPlatform u;
    ReadSettingsText(u, "\r\nwhere=Ort\r\n");
    EXPECT_EQ(u.state.settings.labels.where, "Location");

    TestPlatform v;
    ReadSettingsText(v, std::string("where=Ort\r\n\x1arole=Rolle\r\n"));
    EXPECT_EQ(v.state.settings.labels.role, "Role");
}

TEST(SettingsFile, TracingTakesEffectForTheLinesAfterIt) {
    TestPlatform t;
    ReadSettingsText(t,
                     "fontsize=8\r\ntracing=true\r\nfontsize=10\r\nmytzid=GMT Standard Time\r\n"
                     "fontname=Arial\r\ndateformat=de\r\nwhere=Ort\r\n");
    EXPECT_TRUE(t.state.tracing);
    EXPECT_EQ(t.logMessages(), (Lines{"Fontsize set to: 10", "TimeZone name: GMT Standard Time",
                                      "Fontname set to: Arial", "DateFormat: de"}));

    TestPlatform off;
    ReadSettingsText(off, "tracing=true\r\ntracing=false\r\nfontsize=10\r\n");
    EXPECT_FALSE(off.state.tracing);
    EXPECT_EQ(off.log(), "");

    for (const std::string line : {"tracing=True", "Tracing=true", "tracing=TRUE", "tracing="}) {
        TestPlatform u;
        ReadSettingsText(u, line + "\r\nfontsize=10\r\n");
        EXPECT_FALSE(u.state.tracing) << line;
        EXPECT_EQ(u.log(), "") << line;
    }
    TestPlatform anywhere;
    ReadSettingsText(anywhere, "tracing=not really true\r\n");
    EXPECT_TRUE(anywhere.state.tracing);
}

TEST(SettingsFile, DefaultsResetAllButTheFont) {
    TestPlatform t;
    ReadSettingsText(t, "fontsize=10\r\nfontname=Arial\r\nmytzid=X\r\ndateformat=de\r\nrsvp=R\r\n");
    ResetSettingDefaults(t.state.settings);
    EXPECT_EQ(t.state.settings.dateFormat, "en");
    EXPECT_EQ(t.state.settings.myTzid, "");
    EXPECT_EQ(t.state.settings.labels.rsvp, "RSVP");
    EXPECT_EQ(t.state.settings.fontSize, "10");
    EXPECT_EQ(t.state.settings.fontName, "Arial");
}

TEST(SettingsFile, ShippedFileStatesTheDefaults) {
    TestPlatform t;
    const auto text =
        platform::PosixFileSystem().readAll(std::string(KELVOR_SOURCE_DIR) + "/data/kelvor.ini");
    ASSERT_TRUE(text.has_value());
    const Lines lines = platform::SplitTextLines(*text);
    Lines read;
    for (const std::string& line : lines) {
        if (line.empty()) {
            break;
        }
        read.push_back(line);
    }
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read.back(), "name=Name");  // every setting lies before the first empty line

    t.state.settings.labels.where = "changed";
    t.state.settings.dateFormat = "de";
    ReadSettingsText(t, *text);
    const ReportLabels defaults;
    const ReportLabels& l = t.state.settings.labels;
    EXPECT_FALSE(t.state.tracing);
    EXPECT_EQ(t.state.settings.dateFormat, "en");
    EXPECT_EQ(t.state.settings.fontSize, "");
    EXPECT_EQ(t.state.settings.fontName, "");
    EXPECT_EQ(t.state.settings.myTzid, "");
    for (auto label :
         {&ReportLabels::event, &ReportLabels::organizer, &ReportLabels::startdate,
          &ReportLabels::when, &ReportLabels::until, &ReportLabels::duration, &ReportLabels::status,
          &ReportLabels::comment, &ReportLabels::frequency, &ReportLabels::repeating,
          &ReportLabels::where, &ReportLabels::attendance, &ReportLabels::action,
          &ReportLabels::rsvp, &ReportLabels::summary, &ReportLabels::description,
          &ReportLabels::attendees, &ReportLabels::role, &ReportLabels::name}) {
        EXPECT_EQ(l.*label, defaults.*label);
    }
}

}  // namespace
}  // namespace kelvor
