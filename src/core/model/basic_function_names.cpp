// SPDX-License-Identifier: MIT
#include "core/model/basic_function_names.h"

#include <array>
#include <iterator>

namespace vantrel {
namespace {

// The languages of the columns below, in their order.
constexpr std::uint16_t kColumns[] = {
    UiLanguage::kGerman, UiLanguage::kFrench,    UiLanguage::kSpanish,  UiLanguage::kPortuguese,
    UiLanguage::kPolish, UiLanguage::kUkrainian, UiLanguage::kJapanese, UiLanguage::kKorean,
};

struct NamedRow {
    std::string_view id;
    std::array<std::string_view, std::size(kColumns)> names;
};

// The same words as the catalogues' (context BasicFunction): a name the
// dialog shows is a name the command line takes.
constexpr NamedRow kNames[] = {
    {"search", {"Suchen", "Rechercher", "Buscar", "Pesquisar", "Szukaj", "Пошук", "検索", "검색"}},
    {"run",
     {"Ausführen", "Exécuter", "Ejecutar", "Executar", "Uruchom", "Виконати", "実行", "실행"}},
    {"multimedia",
     {"Multimedia", "Multimédia", "Multimedia", "Multimídia", "Multimedia", "Мультимедіа",
      "マルチメディア", "멀티미디어"}},
    {"media-player",
     {"Medienwiedergabe", "Lecteur multimédia", "Reproductor multimedia", "Reprodutor de mídia",
      "Odtwarzacz multimediów", "Медіапрогравач", "メディアプレーヤー", "미디어 플레이어"}},
    {"previous",
     {"Vorheriger Titel", "Précédent", "Anterior", "Anterior", "Poprzedni", "Попередній", "前へ",
      "이전"}},
    {"next",
     {"Nächster Titel", "Suivant", "Siguiente", "Próximo", "Następny", "Наступний", "次へ",
      "다음"}},
    {"play-pause",
     {"Wiedergabe/Pause", "Lecture/Pause", "Reproducir/Pausa", "Reproduzir/Pausar",
      "Odtwórz/Wstrzymaj", "Відтворити/Пауза", "再生/一時停止", "재생/일시 정지"}},
    {"stop", {"Stopp", "Arrêt", "Detener", "Parar", "Zatrzymaj", "Зупинити", "停止", "정지"}},
    {"volume-up",
     {"Lauter", "Volume +", "Volumen +", "Volume +", "Głośniej", "Гучніше", "音量+", "볼륨 +"}},
    {"volume-down",
     {"Leiser", "Volume -", "Volumen -", "Volume -", "Ciszej", "Тихіше", "音量-", "볼륨 -"}},
    {"mute",
     {"Stumm", "Muet", "Silenciar", "Mudo", "Wycisz", "Вимкнути звук", "ミュート", "음소거"}},
    {"shortcuts",
     {"Kurzbefehle", "Raccourcis", "Atajos", "Atalhos", "Skróty", "Скорочення", "ショートカット",
      "단축키"}},
    {"new", {"Neu", "Nouveau", "Nuevo", "Novo", "Nowy", "Новий", "新規", "새로 만들기"}},
    {"cut",
     {"Ausschneiden", "Couper", "Cortar", "Recortar", "Wytnij", "Вирізати", "切り取り",
      "잘라내기"}},
    {"copy", {"Kopieren", "Copier", "Copiar", "Copiar", "Kopiuj", "Копіювати", "コピー", "복사"}},
    {"paste",
     {"Einfügen", "Coller", "Pegar", "Colar", "Wklej", "Вставити", "貼り付け", "붙여넣기"}},
    {"save",
     {"Speichern", "Enregistrer", "Guardar", "Salvar", "Zapisz", "Зберегти", "保存", "저장"}},
    {"print",
     {"Drucken", "Imprimer", "Imprimir", "Imprimir", "Drukuj", "Друкувати", "印刷", "인쇄"}},
    {"select-all",
     {"Alles auswählen", "Tout sélectionner", "Seleccionar todo", "Selecionar tudo",
      "Zaznacz wszystko", "Позначити все", "すべて選択", "모두 선택"}},
    {"window", {"Fenster", "Fenêtre", "Ventana", "Janela", "Okno", "Вікно", "ウィンドウ", "창"}},
    {"maximize",
     {"Maximieren", "Maximiser", "Maximizar", "Maximizar", "Maksymalizuj", "Розгорнути", "最大化",
      "최대화"}},
    {"minimize",
     {"Minimieren", "Réduire", "Minimizar", "Minimizar", "Minimalizuj", "Згорнути", "最小化",
      "최소화"}},
    {"my-computer",
     {"Arbeitsplatz", "Ordinateur", "Mi PC", "Meu computador", "Mój komputer", "Мій комп’ютер",
      "マイコンピュータ", "내 컴퓨터"}},
    {"task-manager",
     {"Task-Manager", "Gestionnaire des tâches", "Administrador de tareas",
      "Gerenciador de tarefas", "Menedżer zadań", "Диспетчер завдань", "タスクマネージャー",
      "작업 관리자"}},
    {"browser-home",
     {"Browser-Startseite", "Accueil du navigateur", "Inicio del navegador",
      "Página inicial do navegador", "Strona domowa przeglądarki", "Домашня сторінка браузера",
      "ブラウザーのホーム", "브라우저 홈"}},
    {"close-window",
     {"Fenster schließen", "Fermer la fenêtre", "Cerrar ventana", "Fechar janela", "Zamknij okno",
      "Закрити вікно", "ウィンドウを閉じる", "창 닫기"}},
};

} // namespace

std::string_view basicFunctionName(std::string_view id, UiLanguage language) {
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        if (kColumns[c] != language.id()) {
            continue;
        }
        for (const NamedRow& row : kNames) {
            if (row.id == id) {
                return row.names[c];
            }
        }
    }
    return {};
}

bool basicFunctionNamed(std::string_view id, std::string_view name) {
    for (const NamedRow& row : kNames) {
        if (row.id != id) {
            continue;
        }
        for (std::string_view n : row.names) {
            if (n == name) {
                return true;
            }
        }
    }
    return false;
}

} // namespace vantrel
