#include "desk/ClockFace.h"

#include "ledger/TextForms.h"
#include "platform/ClockSetter.h"

#include <algorithm>

namespace {

// Where a part stands in the shown texts and the bounds the arrows keep it in.
struct PartPlace {
    bool inDate;
    int position;
    int length;
    int lowest;
    int highest;
};

PartPlace placeOf(ClockFace::Part part)
{
    switch (part) {
    case ClockFace::Part::Hour: return {false, 0, 2, 0, 24};
    case ClockFace::Part::Minute: return {false, 3, 2, 0, 59};
    case ClockFace::Part::Day: return {true, 0, 2, 0, 31};
    case ClockFace::Part::Month: return {true, 3, 2, 0, 12};
    case ClockFace::Part::Year: return {true, 6, 4, 1900, 2099};
    }
    return {};
}

int number(const QString &text, int position, int length)
{
    return text.mid(position, length).toInt();
}

QString correctAndSet(const QString &what)
{
    return what + QStringLiteral(" : corrigez-la, puis cliquez sur Set.");
}

} // namespace

void ClockFace::open(QDate today, QTime now)
{
    setting_ = false;
    show(today, now);
}

void ClockFace::tick(QDate today, QTime now)
{
    if (running())
        show(today, now);
}

void ClockFace::show(QDate today, QTime now)
{
    time_ = forms::formatTime(now);
    date_ = forms::formatDate(today);
}

int ClockFace::stepped(Part part, int value, Arrow arrow)
{
    const PartPlace place = placeOf(part);
    if (part == Part::Year && value < 100)
        value += 1900;
    return arrow == Arrow::Up ? std::min(value + 1, place.highest) : std::max(value - 1, place.lowest);
}

void ClockFace::arrow(Arrow arrow)
{
    if (!selected_)
        return;
    const PartPlace place = placeOf(*selected_);
    QString &text = place.inDate ? date_ : time_;
    const int value = stepped(*selected_, number(text, place.position, place.length), arrow);
    text.replace(place.position, place.length, QStringLiteral("%1").arg(value, place.length, 10, QLatin1Char('0')));
}

std::variant<QDateTime, QString> ClockFace::instant(const QString &dateText, const QString &timeText,
                                                  const QTimeZone &zone)
{
    QDate date(number(dateText, 6, 4), number(dateText, 3, 2), number(dateText, 0, 2));
    if (!date.isValid())
        return correctAndSet(QStringLiteral("La date %1 n'existe pas").arg(dateText));
    int hour = number(timeText, 0, 2);
    if (hour == 24) {
        date = date.addDays(1);
        hour = 0;
    }
    const QTime time(hour, number(timeText, 3, 2), number(timeText, 6, 2));
    if (!time.isValid())
        return correctAndSet(QStringLiteral("L'heure %1 n'existe pas").arg(timeText));
    const QDateTime local(date, time, zone);
    if (!local.isValid() || local.date() != date || local.time() != time)
        return correctAndSet(QStringLiteral("L'heure %1 n'existe pas le %2 (changement d'heure)")
                                 .arg(timeText, forms::formatDate(date)));
    return local.toUTC();
}

QString ClockFace::set(ClockSetter &computer)
{
    if (!setting_) {
        setting_ = true;
        return {};
    }
    const auto shown = instant(date_, time_, computer.timeZone());
    if (const QString *impossible = std::get_if<QString>(&shown))
        return *impossible;
    setting_ = false;
    const QString why = computer.set(std::get<QDateTime>(shown));
    if (why.isEmpty())
        return {};
    return QStringLiteral("L'horloge de l'ordinateur n'a pas pu être réglée : %1.").arg(why);
}
