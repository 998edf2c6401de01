#include "HelpText.h"

#include "engine/DamageTable.h"
#include "engine/FightForecast.h"
#include "engine/Round.h"
#include "toolkit/gui/QtText.h"
#include "ui/forecast/ForecastText.h"
#include "weapons/Armour.h"
#include "weapons/ArmourHints.h"

#include <QKeySequence>
#include <QStringList>

namespace ui::help {

namespace {

using toolkit::toQString;

// Numbers as the help writes them: a true minus sign.
QString number(std::int32_t value) {
    return value < 0 ? QStringLiteral("−%1").arg(-static_cast<std::int64_t>(value))
                     : QString::number(value);
}

QString diceText(const engine::DiceRoll& roll) {
    QString text = QStringLiteral("%1 W6").arg(roll.sixSidedDice);
    if (roll.modifier > 0) {
        text += QStringLiteral(" + %1").arg(roll.modifier);
    } else if (roll.modifier < 0) {
        text += QStringLiteral(" − %1").arg(-roll.modifier);
    }
    return text;
}

QString rangeText(const engine::DiceRoll& roll) {
    return QStringLiteral("%1 bis %2")
        .arg(number(roll.sixSidedDice + roll.modifier),
             number(6 * roll.sixSidedDice + roll.modifier));
}

QString cell(const QString& text) {
    return QStringLiteral("<td>") + text + QStringLiteral("</td>");
}

QString headerRow(const QStringList& titles) {
    QString row = QStringLiteral("<tr>");
    for (const QString& title : titles) {
        row += QStringLiteral("<th align=\"left\">") + title + QStringLiteral("</th>");
    }
    return row + QStringLiteral("</tr>");
}

QString table(const QStringList& titles, const QStringList& rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") +
           headerRow(titles) + rows.join(QString()) + QStringLiteral("</table>");
}

QString code(const QString& text) {
    return QStringLiteral("<code>") + text.toHtmlEscaped() + QStringLiteral("</code>");
}

QString quoted(const QString& text) {
    return QStringLiteral("„") + text.toHtmlEscaped() + QStringLiteral("“");
}

// Every code of the damage table, as the round rolls it.
QString damageCodeTable() {
    QStringList rows;
    for (const engine::DamageRow& row : engine::damageTable) {
        QString dice = diceText(row.roll);
        QString range = rangeText(row.roll);
        if (row.againstFireSensitive) {
            dice = QStringLiteral("gegen einen feuerempfindlichen Gegner %1, sonst %2")
                       .arg(diceText(*row.againstFireSensitive), dice);
            range = QStringLiteral("%1, sonst %2").arg(rangeText(*row.againstFireSensitive), range);
        }
        rows << QStringLiteral("<tr>") + cell(code(toQString(row.code))) + cell(dice) +
                    cell(range) + QStringLiteral("</tr>");
    }
    return table(
        {QStringLiteral("Code"), QStringLiteral("gewürfelt wird"), QStringLiteral("Schaden")},
        rows);
}

QString armourTable() {
    QStringList rows;
    for (std::size_t i = 0; i < weapons::armourClassEntries.size(); ++i) {
        rows << QStringLiteral("<tr>") + cell(toQString(weapons::armourClassEntries[i])) +
                    cell(QString::number(weapons::armourClassValue(i))) + QStringLiteral("</tr>");
    }
    return table({toQString(weapons::armourClassTitle), QStringLiteral("Rüstungsschutz (RK)")},
                 rows);
}

QString keyTable(const QList<KeyHelp>& keys) {
    QStringList rows;
    for (const KeyHelp& key : keys) {
        rows << QStringLiteral("<tr>") + cell(key.keys.toHtmlEscaped()) +
                    cell(key.meaning.toHtmlEscaped()) + QStringLiteral("</tr>");
    }
    return table({QStringLiteral("Taste"), QStringLiteral("wirkt")}, rows);
}

// The keys that belong to no command of the menu.
QList<KeyHelp> keysOutsideTheMenu() {
    const auto keyText = [](const QKeySequence& key) {
        return key.toString(QKeySequence::NativeText);
    };
    return {
        {keyText(QKeySequence(Qt::Key_Tab)) + QStringLiteral(", ") +
             keyText(QKeySequence(Qt::SHIFT | Qt::Key_Tab)),
         QStringLiteral("zum nächsten oder vorigen Feld; ist das Fenster zu klein, rollt es "
                        "dorthin")},
        {keyText(QKeySequence::Copy),
         QStringLiteral("im Kampfverlauf: kopiert die Auswahl, ohne Auswahl den ganzen Verlauf")},
        {keyText(QKeySequence::Undo) + QStringLiteral(" in einem Textfeld"),
         QStringLiteral("macht das Tippen in diesem Feld rückgängig, nicht die Runde")},
        {QStringLiteral("Pfeiltasten, Leertaste"),
         QStringLiteral("in einem Auswahlfenster: wählen")},
        {QStringLiteral("Eingabetaste"),
         QStringLiteral("in einem Auswahlfenster: wie „OK“; in der Suche der Hilfe: nächster "
                        "Treffer (mit Umschalt: voriger)")},
        {QStringLiteral("Esc"),
         QStringLiteral("schließt ein Auswahlfenster, ohne etwas zu übernehmen (das Fenster "
                        "„Lanze“ von Kämpfer 2 nur über „OK“), und schließt die Hilfe")},
    };
}

QString heading(const HelpSection& section) {
    return QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>").arg(section.anchor, section.title);
}

QString contents(const QList<HelpSection>& sections) {
    QString list = QStringLiteral("<h2>Inhalt</h2><ol>");
    for (const HelpSection& section : sections) {
        list +=
            QStringLiteral("<li><a href=\"#%1\">%2</a></li>").arg(section.anchor, section.title);
    }
    return list + QStringLiteral("</ol>");
}

QString roundPart() {
    const QString minimum = QString::number(engine::minimumAttackTotal);
    const QString lost = QString::number(engine::lostAtLifePoints);
    return QStringLiteral(
               "<p>Jeder Druck auf „Eine Runde generieren“ spielt eine Kampfrunde. Beide Kämpfer "
               "handeln gleichzeitig: Jeder würfelt und greift an, und beide Angriffe werden mit "
               "den Werten beurteilt, die vor der Runde galten. Es gibt keine Initiative, keine "
               "kritischen Würfe und nichts Besonderes bei einer gewürfelten 1 oder 20.</p>"
               "<ol>"
               "<li><b>Schaden.</b> Jeder Kämpfer würfelt den Schaden seiner Waffe nach dem Code "
               "in „gewählter Schaden:“ (siehe <a href=\"#schaden\">Schadenscodes</a>). Die Zahl "
               "steht bei ihm unter „Schaden diese Runde:“: Es ist der Schaden, den <i>er</i> "
               "austeilt, vor Abzug der Rüstung, ob er trifft oder nicht.</li>"
               "<li><b>Angriff und Abwehr.</b> Jeder würfelt einen W20 für den Angriff und einen "
               "für die Abwehr. „gesamt“ ist der Erfolgswert plus der Wurf.</li>"
               "<li><b>Der Angriff.</b> Jeder Angriff wird für sich beurteilt:"
               "<ul>"
               "<li>Angriff gesamt unter %1: <b>verfehlt</b>, es geschieht nichts.</li>"
               "<li>Angriff gesamt %1 oder mehr, aber nicht höher als die Abwehr gesamt des "
               "Gegners: <b>abgewehrt</b>. Der Gegner verliert den ganzen Schaden an "
               "Ausdauerpunkten, ohne Abzug der Rüstung, aber keine Lebenspunkte.</li>"
               "<li>Angriff gesamt %1 oder mehr und höher als die Abwehr gesamt des Gegners: "
               "<b>Treffer</b>. Der Gegner verliert den ganzen Schaden an Ausdauerpunkten und "
               "den Schaden abzüglich seiner Rüstung (RK) an Lebenspunkten.</li>"
               "</ul>"
               "Ein Schaden von 0 oder weniger kostet nichts, und ein Schaden, der nicht über "
               "der Rüstung liegt, kostet keine Lebenspunkte. Beispiele: %1 gegen eine Abwehr "
               "von 19 trifft, %1 gegen %1 ist abgewehrt, 19 verfehlt immer. Ein Treffer mit "
               "Schaden 5 gegen RK 2 kostet 5 Ausdauerpunkte und 3 Lebenspunkte.</li>"
               "<li><b>Das Ende.</b> Hat ein Kämpfer nach der Runde %2 Lebenspunkte oder weniger, "
               "hat er verloren („Kämpfer 1 hat verloren“), und „Eine Runde generieren“ bleibt "
               "gesperrt bis zu einem neuen Kampf, einer Revanche oder dem Zurücknehmen der "
               "Runde. Weil beide gleichzeitig handeln, schlägt auch ein Kämpfer, der in dieser "
               "Runde fällt, noch voll zurück, und beide können in derselben Runde verlieren. "
               "Die Ausdauerpunkte beenden den Kampf nicht; sie sinken nur. Lebens- und "
               "Ausdauerpunkte können unter null fallen.</li>"
               "</ol>"
               "<p>Ein Kämpfer greift erst an, wenn zu Beginn einer Runde in seinem Feld "
               "„Angriffstyp:“ „normal“ steht; das schreibt jede Wahl einer Waffe hinein. Vorher "
               "würfelt er zwar, aber sein Angriff bewirkt nichts. Von da an greift er an, "
               "solange das Programm läuft, auch nach „Neu: Kampf 1 gegen 1“ (es sei denn, man "
               "nimmt genau diese Runde zurück).</p>"
               "<p>Die Zahlen unter „Ereignisse:“ sind der Stand des Kampfes. Was man zwischen "
               "zwei Runden in die Felder eines Kämpfers tippt, ersetzt diesen Stand sofort; die "
               "nächste Runde rechnet damit weiter. Waffe und Rüstung lassen sich mitten im Kampf "
               "wechseln. Stärke und Geschick zählen nur bei der Wahl der Waffe, die Gewandheit "
               "wird nur angezeigt. Steht in einem Wert keine ganze Zahl (etwa ein leeres Feld), "
               "bricht die Runde mit einer Meldung ab; die Rundenzahl zählt den Versuch mit.</p>")
        .arg(minimum, lost);
}

QString damagePart() {
    return QStringLiteral(
               "<p>Der Code in „gewählter Schaden:“ sagt, wie der Schaden gewürfelt wird. "
               "<b>nW6</b> heißt: n sechsseitige Würfel, zusammengezählt. Ein folgendes "
               "<b>+k</b> oder <b>-k</b> wird nach dem Zusammenzählen addiert oder abgezogen. "
               "So kann ein Schaden auch 0 oder negativ sein; er kostet dann nichts.</p>"
               "<ul>"
               "<li>%1 (die Skhallanta): zweimal 2W6 − 3. Gewürfelt werden vier W6, die Summe "
               "weniger 6.</li>"
               "<li>%2 (Raufen aus den improvisierten Waffen) würfelt genau wie %3; der Zusatz "
               "zeigt nur, dass gerauft wird. Das „(St+Gw)/20“ des Listeneintrags ändert am Wurf "
               "und am Angriff nichts.</li>"
               "<li>%4 (die brennende Fackel): 2W6 gegen einen Gegner, bei dem „Kämpfer ist "
               "feuerempfindlich“ angekreuzt ist – es zählt das Kästchen des Gegners, nicht das "
               "eigene –, sonst 1W6 − 2.</li>"
               "<li>Ein Schrägstrich im Namen einer Waffe der Liste, etwa „Krummsäbel "
               "(1W6/1W6+1)“, trennt ihre Angriffsarten. Wer sie wählt, bekommt ein Fenster, "
               "in dem er eine Art wählt; nur deren Code kommt in „gewählter Schaden:“.</li>"
               "</ul>"
               "<p>Ein Code gilt nur, wenn er Zeichen für Zeichen einer dieser Zeilen gleicht. "
               "Steht dort etwas anderes, etwa „0“ vor der ersten Wahl einer Waffe, wird kein "
               "Schaden gewürfelt, und der Schaden der vorigen Runde gilt noch einmal (0 zu "
               "Beginn, nach einem neuen Kampf und nach einer Revanche).</p>")
               .arg(code(QStringLiteral("2x(2W6-3)")), code(QStringLiteral("1W6-4 (Raufen)")),
                    code(QStringLiteral("1W6-4")), code(QStringLiteral("1W6-2/2W6"))) +
           damageCodeTable();
}

QString armourPart() {
    const auto& values = weapons::protectionValueEntries;
    return QStringLiteral(
               "<p>Die Rüstung zieht ihren Rüstungsschutz von jedem Treffer ab, bevor er "
               "Lebenspunkte kostet; die Ausdauerpunkte schützt sie nicht. Die Liste %1 bietet "
               "diese Rüstungen (jeder Eintrag zeigt seinen Wert auch als Hinweis):</p>")
               .arg(quoted(toQString(weapons::armourClassTitle))) +
           armourTable() +
           QStringLiteral(
               "<p>Ist %1 angekreuzt, wählt man statt der Rüstklasse in der Liste %2 einen "
               "Rüstungsschutz von %3 bis %4. Es gilt der Eintrag, der zuletzt in einer der "
               "beiden Listen gewählt wurde; er steht unter „RK:“ bei „Ereignisse:“. Das "
               "Umschalten mit %1 allein ändert den Wert nicht. Text, der keinen Eintrag nennt, "
               "ändert ihn ebenfalls nicht. Nach „Neu: Kampf 1 gegen 1“ ist die Rüstung 0, auch "
               "wenn die Liste noch die alte Wahl zeigt: dann die Rüstung neu wählen.</p>")
               .arg(quoted(toQString(weapons::alternativeArmourCaption)),
                    quoted(toQString(weapons::protectionValueTitle)), toQString(values.front()),
                    toQString(values.back()));
}

QString weaponsPart() {
    return QStringLiteral(
        "<p><b>Die Waffenliste.</b> Die meisten Waffen verlangen eine Mindeststärke, ein "
        "Mindestgeschick oder beides (der Hinweis am Eintrag nennt sie). Fehlt eines davon, kommt "
        "„Sie haben nicht die erforderlichen Basiseigenschaften“, und die bisherige Waffe "
        "bleibt. Eine Waffe mit mehreren Angriffsarten öffnet ein Fenster zur Wahl der Art. "
        "Einige Einträge sind noch nicht verfügbar. Eine gewählte Waffe bleibt, auch wenn "
        "Stärke oder Geschick später sinken.</p>"
        "<p><b>Improvisierte Waffen</b> (Stuhlbein, Flasche, Fackel, Felsbrocken …) kommen "
        "über den Knopf „Improvisierte“ (bei Kämpfer 2 „Improviserte“): Eintrag wählen, „OK“. "
        "Der Code der Waffe kommt in „gewählter Schaden:“, und statt des eigenen Erfolgswerts "
        "greift der Kämpfer mit einem festen Wert an: 4, wenn er die verlangte Stärke hat, "
        "sonst 0. Die Überschriften „Nahkampwaffen“ und „Wurfwaffen“ lassen sich nicht "
        "wählen. Ausnahme: Raufen bei Kämpfer 1 prüft keine Stärke und lässt seinen "
        "Angriffswert, wie er ist; bei Kämpfer 2 zählt es wie jede andere improvisierte Waffe "
        "mit der Mindeststärke 1.</p>"
        "<p><b>Unvertraute Waffen</b> sind echte Waffen, die der Kämpfer nicht gelernt hat, "
        "über den Knopf „Unvertraute“. Sie wirken wie improvisierte Waffen, nur werden Stärke "
        "und Geschick geprüft: Angriffswert 4, wenn beide reichen, sonst 0. Der Code wird in "
        "jedem Fall übernommen.</p>"
        "<p>Der feste Angriffswert 4 oder 0 bleibt, bis man den Wert „Erfolgswert Angriff“ "
        "des Kämpfers ändert oder einen neuen Kampf beginnt. Eine spätere Waffe aus der Liste "
        "bringt den eigenen Erfolgswert nicht zurück: ihn dann neu eintippen.</p>");
}

QString forecastPart() {
    const engine::ForecastFigures example{0.467, 0.467, 0.066, 7.6};
    const engine::UnreadableValue unreadable{engine::controlsOf(engine::Fighter::Second).lifePoints,
                                             {}};
    const FighterNames names = defaultFighterNames();
    QStringList others;
    for (const QString& text :
         {forecastText(unreadable, names), forecastText(engine::NobodyCanFall{}, names),
          forecastText(engine::TooLargeToCompute{}, names), decidedFightText()}) {
        others << QStringLiteral("<li>") + quoted(text) + QStringLiteral("</li>");
    }
    return QStringLiteral(
               "<p>Unter „Ereignisse:“ steht die Prognose, zum Beispiel %1. Sie sagt, wie der "
               "Kampf von der nächsten Runde an ausgeht, wenn alles so bleibt, wie es gerade "
               "eingetragen ist: Werte, Waffen, Rüstung und „Kämpfer ist feuerempfindlich“. Sie "
               "wird aus den Regeln genau berechnet, jeder Würfel als fair genommen, und nicht "
               "ausgewürfelt; die Würfel des Kampfes bleiben davon unberührt. Sie folgt jeder "
               "Änderung und jeder Runde. Haben die Kämpfer Namen, nennt sie sie beim Namen.</p>"
               "<ul>"
               "<li>„Kämpfer 1 gewinnt … %“: wie wahrscheinlich Kämpfer 2 allein fällt;</li>"
               "<li>„Kämpfer 2 … %“: wie wahrscheinlich Kämpfer 1 allein fällt;</li>"
               "<li>„beide fallen … %“: wie wahrscheinlich beide in derselben Runde auf %2 "
               "Lebenspunkte oder weniger kommen;</li>"
               "<li>„im Mittel … Runden“: wie viele Runden der Kampf von der nächsten an im "
               "Mittel noch dauert, die entscheidende mitgezählt.</li>"
               "</ul>"
               "<p>Die drei Anteile ergeben zusammen 100 % (bis auf Rundung). Die Ausdauerpunkte "
               "spielen keine Rolle, weil sie den Kampf nicht beenden. Statt der Zahlen kann die "
               "Prognose auch sagen:</p><ul>")
               .arg(quoted(forecastText(example, names)),
                    QString::number(engine::lostAtLifePoints)) +
           others.join(QString()) +
           QStringLiteral(
               "</ul><p>Zu aufwendig wird sie erst bei sehr vielen Lebenspunkten, ab etwa 500 je "
               "Kämpfer.</p>");
}

QString commandsPart() {
    return QStringLiteral(
        "<p><b>Runde zurücknehmen</b> (Menü „Kampf“) nimmt die letzte Runde zurück, und jede "
        "davor, bis zum Anfang des Kampfes. Auch die Würfel gehen zurück, so dass dieselbe "
        "Runde noch einmal kommt. Was man seitdem geändert hat (Rüstung, Werte, Waffen, ein "
        "berichtigter Wert), bleibt.</p>"
        "<p><b>Revanche</b> (Menü „Kampf“) beginnt einen neuen Kampf derselben Kämpfer: Die "
        "Rundenzahl beginnt von vorn, Lebens- und Ausdauerpunkte, Angriff und Abwehr kehren "
        "zu dem zurück, was in ihren Feldern steht; Waffen, Rüstung, Stärke, Geschick und "
        "Gewandheit bleiben. Runden des Kampfes davor lassen sich nicht mehr zurücknehmen.</p>"
        "<p><b>Kampf auswürfeln</b> (Menü „Kampf“) spielt Runde um Runde, jede genau wie ein "
        "Druck auf „Eine Runde generieren“, bis der Kampf endet, eine Runde nicht ausgewertet "
        "werden kann oder 1000 Runden ohne Ende vergangen sind. Das Fenster bleibt dabei "
        "bedienbar und zeigt die Runden, wie sie kommen.</p>"
        "<p><b>Neu: Kampf 1 gegen 1</b> (Menü „Datei“) setzt alle Werte, die Waffen und die "
        "Rüstung auf 0; die Listen zeigen noch die alte Wahl, bis man neu wählt. "
        "<b>Standartwerte für jeden Kämpfer</b> trägt für beide übliche Werte ein. "
        "<b>Kampfverlauf speichern …</b> (Menü „Datei“) schreibt den ganzen Kampfverlauf in "
        "eine Textdatei.</p>");
}

QString rosterPart() {
    return QStringLiteral(
        "<p>Oben in jeder Kämpfergruppe steht das Feld „Name:“. Ein Name dort ersetzt "
        "„Kämpfer 1“ oder „Kämpfer 2“ im Kampfverlauf, in der Bilanz, in der Prognose, in der "
        "Legende des Diagramms, in den Auswahlfenstern und im vorgeschlagenen Dateinamen; die "
        "Meldungen wie „Kämpfer 1 hat verloren“ und die Überschriften bleiben, wie sie sind. "
        "Der Name würfelt nicht mit und ändert am Kampf nichts.</p>"
        "<p>Im Menü „Kämpfer“ legt „Kämpfer 1 speichern …“ oder „Kämpfer 2 speichern …“ den "
        "Kämpfer unter seinem Namen in der Kämpferliste ab: den Namen, die Werte, wie sie in "
        "den Feldern stehen, die Waffe (aus der Liste, mit Angriffsart, improvisiert oder "
        "unvertraut), die Rüstung und „feuerempfindlich“. Gibt es den Namen schon, wird vor "
        "dem Ersetzen gefragt. „Kämpfer 1 laden“ und „Kämpfer 2 laden“ holen einen "
        "gespeicherten Kämpfer zurück, genau so, als hätte man ihn von Hand eingegeben; dabei "
        "wird nicht gewürfelt.</p>"
        "<p>„Kämpferliste bearbeiten …“ benennt um und löscht (nach Rückfrage). "
        "„Kämpferliste exportieren …“ und „Kämpferliste importieren …“ bringen die Liste auf "
        "einen anderen Rechner; ein Name, den es schon gibt, kommt als „Name (2)“ hinzu. Die "
        "Liste ist eine Datei im Datenordner des Benutzers. Wer sie nie benutzt, dem liest und "
        "schreibt das Programm keine Datei. Eine Datei, die sich nicht lesen lässt, meldet das "
        "Programm mit Namen und Grund und überschreibt sie nie.</p>");
}

QString keysPart(const QList<KeyHelp>& windowKeys) {
    return QStringLiteral(
               "<p>Im Hauptfenster, aus jedem seiner Felder, Listen und Knöpfe (nicht "
               "aber, solange ein Auswahlfenster oder eine Meldung den Fokus hat):</p>") +
           keyTable(windowKeys) +
           QStringLiteral("<p>„Eine Runde generieren“ und „Kampf auswürfeln“ wirken nur, solange "
                          "der Kampf nicht entschieden ist. Außerdem:</p>") +
           keyTable(keysOutsideTheMenu());
}

} // namespace

QList<HelpSection> helpSections() {
    return {
        {QStringLiteral("runde"), QStringLiteral("Wie eine Runde abläuft")},
        {QStringLiteral("schaden"), QStringLiteral("Schadenscodes")},
        {QStringLiteral("ruestung"), QStringLiteral("Rüstung")},
        {QStringLiteral("waffen"), QStringLiteral("Waffen, improvisierte und unvertraute Waffen")},
        {QStringLiteral("prognose"), QStringLiteral("Die Prognose")},
        {QStringLiteral("kampf"),
         QStringLiteral("Zurücknehmen, Revanche, Auswürfeln und neuer Kampf")},
        {QStringLiteral("kaempferliste"), QStringLiteral("Die Kämpferliste")},
        {QStringLiteral("tasten"), QStringLiteral("Tasten")},
    };
}

QString helpDocument(const QList<KeyHelp>& windowKeys) {
    const QList<HelpSection> sections = helpSections();
    const QStringList parts{roundPart(),    damagePart(),   armourPart(), weaponsPart(),
                            forecastPart(), commandsPart(), rosterPart(), keysPart(windowKeys)};
    QString document = QStringLiteral("<h1>Regeln und Bedienung</h1>") + contents(sections);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        document += heading(sections[i]) + parts.at(i);
    }
    return document;
}

} // namespace ui::help
