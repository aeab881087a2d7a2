// The game's Polish texts: intro, instructions, level-group praise and the finale line, kept as data here.
#include "texts.h"

#include <cstdio>

namespace art {

const std::vector<std::string>& gameTextLines() {
    static const std::vector<std::string> lines = {
        // 0: never shown
        "# Plexaro: teksty gry w UTF-8; wiersz n to pozycja n, kolejność ma znaczenie",
        // 1-9: the intro, typed out row by row
        "Witaj w Plexaro!",
        "Na planszy leży czterdzieści pięć płytek",
        "sześciu rodzajów. Każda ma swój kolor",
        "i swój znak: koło, gwiazdę, trójkąt,",
        "romb, kwadrat albo krzyżyk.",
        "Przesuwaj rzędy i kolumny, aż plansza",
        "ułoży się we wzór pokazany u góry.",
        "Czeka na Ciebie dwadzieścia pięć wzorów.",
        "Powodzenia i miłej zabawy!",
        // 10: replaced by the game's credit line
        "# (tu gra wpisuje wiersz z autorami)",
        // 11-19: not shown
        "#", "#", "#", "#", "#", "#", "#", "#",
        "# Instrukcja: dziewiętnaście kolejnych wierszy",
        // 20-38: the instructions page
        "Jak grać",
        "Ułóż płytki na planszy tak, jak na małym obrazku „Wzór” u góry.",
        "Wciśnij lewy przycisk myszy na płytce i przeciągnij w bok:",
        "cały rząd przesunie się o jedno pole w lewo albo w prawo.",
        "Przeciągnięcie w górę lub w dół przesuwa o pole całą kolumnę.",
        "Płytka wypchnięta za brzeg planszy wraca z drugiej strony.",
        "Licznik pod wzorem mówi, ile pól wciąż nie zgadza się ze wzorem.",
        "Gdy licznik spadnie do zera, poziom jest ukończony.",
        "Znaczki nad planszą pokazują ukończone poziomy i obecny.",
        "",
        "Sterowanie",
        "Przycisk pod napisem SPEED albo klawisz S zmienia szybkość",
        "przesuwania płytek od 1 do 5: 1 najszybciej, 5 najwolniej.",
        "Przycisk w prawym górnym rogu ekranu kończy grę.",
        "Klawisz Esc także kończy grę w trakcie rozgrywki.",
        "Postęp zapisuje się po każdym ukończonym poziomie,",
        "więc przy następnym uruchomieniu grasz dalej od tego miejsca.",
        "",
        "Kliknij OK, aby zacząć.",
        // 39-40: not shown
        "#", "# Pochwały po grupach poziomów, potem napis finału",
        // 41-45: after levels 1-5, 6-10, 11-15, 16-20, 21-25
        "Świetny początek! Tak trzymaj!",
        "Brawo! Kolejne wzory będą trudniejsze.",
        "Połowa drogi za Tobą. Wspaniale!",
        "Niesamowite! Meta jest coraz bliżej.",
        "Mistrzowsko! Jesteś u samego celu.",
        // 46: the finale banner
        "Gratulacje! Wszystkie wzory ułożone!",
    };
    return lines;
}

bool writeTextFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = true;
    for (const std::string& line : gameTextLines()) {
        ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size();
        ok = ok && std::fputc('\n', f) != EOF;
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace art
