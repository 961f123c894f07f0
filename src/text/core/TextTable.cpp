#include "text/core/TextTable.h"

namespace breezekit {

namespace {

// Columns: Russian, English, Chinese, Ukrainian, German, Danish, Polish, Norwegian. Rows that nothing
// shows are empty.
const char* const kTable[kTextRows][kLanguageCount] = {
    /*  0 */ {"Выберите устройство", "Select device", "选择设备", "Виберіть пристрій", "Gerät wählen",
              "Vælg en enhed", "Wybierz urządzenie", "Velg en enhet"},
    /*  1 */
    {"Режим устройства", "Select device mode", "选择设备模式", "Режим пристрою", "Gerätemodus wählen",
     "Vælg enhedstilstand", "Tryb urządzenia", "Velg enhetsmodus"},
    /*  2 */
    {"Тип подключения", "Select connection type", "选择连接类型", "Тип підключення", "Verbindungsart wählen",
     "Vælg forbindelsestype", "Typ połączenia", "Velg tilkoblingstype"},
    /*  3 */ {"Ведущий", "Master", "主机", "Ведучий", "Master", "Master", "Master", "Master"},
    /*  4 */ {"Ведомый", "Slave", "从机", "Ведений", "Slave", "Slave", "Slave", "Slave"},
    /*  5 */
    {"Без Wi-Fi роутера", "No Wi-Fi router", "不使用 Wi-Fi 路由器", "Без Wi-Fi роутера", "Ohne WLAN-Router",
     "Uden Wi-Fi-router", "Bez routera Wi-Fi", "Uten Wi-Fi-ruter"},
    /*  6 */
    {"С Wi-Fi роутером", "With Wi-Fi router", "使用 Wi-Fi 路由器", "З Wi-Fi роутером", "Mit WLAN-Router",
     "Med Wi-Fi-router", "Z routerem Wi-Fi", "Med Wi-Fi-ruter"},
    /*  7 */
    {"Получить текущие параметры", "Receive current parameters", "读取当前参数", "Отримати поточні параметри",
     "Aktuelle Parameter lesen", "Hent aktuelle parametre", "Odczytaj bieżące parametry",
     "Hent gjeldende parametere"},
    /*  8 */
    {"Вернуть заводские параметры", "Restore default parameters", "恢复默认参数",
     "Відновити заводські параметри", "Standardwerte wiederherstellen", "Gendan standardparametre",
     "Przywróć ustawienia domyślne", "Gjenopprett standardparametere"},
    /*  9 */ {"Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi", "WLAN", "Wi-Fi", "Wi-Fi", "Wi-Fi"},
    /* 10 */ {"Вентилятор", "Fan", "风机", "Вентилятор", "Lüfter", "Ventilator", "Wentylator", "Vifte"},
    /* 11 */ {"Фильтр", "Filter", "过滤器", "Фільтр", "Filter", "Filter", "Filtr", "Filter"},
    /* 12 */
    {"Поиск Wi-Fi", "Search Wi-Fi", "搜索 Wi-Fi", "Пошук Wi-Fi", "WLAN suchen", "Søg Wi-Fi", "Szukaj Wi-Fi",
     "Søk Wi-Fi"},
    /* 13 */
    {"Имя сети Wi-Fi (1 - 32 символа)", "Name of Wi-Fi (1 - 32 characters)", "Wi-Fi 名称（1 - 32 个字符）",
     "Назва мережі Wi-Fi (1 - 32 символи)", "WLAN-Name (1 - 32 Zeichen)", "Wi-Fi-navn (1 - 32 tegn)",
     "Nazwa sieci Wi-Fi (1 - 32 znaki)", "Wi-Fi-navn (1 - 32 tegn)"},
    /* 14 */
    {"Тип защиты", "Type of security", "安全类型", "Тип захисту", "Sicherheitstyp", "Sikkerhedstype",
     "Typ zabezpieczeń", "Sikkerhetstype"},
    /* 15 */
    {"Не выбран канал Wi-Fi или номер ведомого устройства: значение не является допустимым числом",
     "No Wi-Fi channel or slave number is selected: the value is not a valid number",
     "未选择 Wi-Fi 信道或从机编号：该值不是有效的数字",
     "Не вибрано канал Wi-Fi або номер веденого пристрою: значення не є допустимим числом",
     "Kein WLAN-Kanal oder keine Slave-Nummer ausgewählt: Der Wert ist keine gültige Zahl",
     "Der er ikke valgt nogen Wi-Fi-kanal eller noget slavenummer: værdien er ikke et gyldigt tal",
     "Nie wybrano kanału Wi-Fi ani numeru urządzenia podrzędnego: wartość nie jest prawidłową liczbą",
     "Ingen Wi-Fi-kanal eller slavenummer er valgt: verdien er ikke et gyldig tall"},
    /* 16 */
    {"Имя сети Wi-Fi содержит символы, которые нельзя передать устройству",
     "The name of Wi-Fi contains characters that cannot be sent to the device",
     "Wi-Fi 名称包含无法发送到设备的字符",
     "Назва мережі Wi-Fi містить символи, які не можна передати пристрою",
     "Der WLAN-Name enthält Zeichen, die nicht an das Gerät gesendet werden können",
     "Wi-Fi-navnet indeholder tegn, der ikke kan sendes til enheden",
     "Nazwa sieci Wi-Fi zawiera znaki, których nie można wysłać do urządzenia",
     "Wi-Fi-navnet inneholder tegn som ikke kan sendes til enheten"},
    /* 17 */
    {"Пароль Wi-Fi содержит символы, которые нельзя передать устройству",
     "The Wi-Fi password contains characters that cannot be sent to the device",
     "Wi-Fi 密码包含无法发送到设备的字符", "Пароль Wi-Fi містить символи, які не можна передати пристрою",
     "Das WLAN-Passwort enthält Zeichen, die nicht an das Gerät gesendet werden können",
     "Wi-Fi-adgangskoden indeholder tegn, der ikke kan sendes til enheden",
     "Hasło Wi-Fi zawiera znaki, których nie można wysłać do urządzenia",
     "Wi-Fi-passordet inneholder tegn som ikke kan sendes til enheten"},
    /* 18 */ {"", "", "", "", "", "", "", ""},
    /* 19 */
    {"Новый пароль Wi-Fi (8 - 60 символов)", "New Wi-Fi password (8 - 60 characters)",
     "新 Wi-Fi 密码（8 - 60 个字符）", "Новий пароль Wi-Fi (8 - 60 символів)",
     "Neues WLAN-Passwort (8 - 60 Zeichen)", "Ny Wi-Fi-adgangskode (8 - 60 tegn)",
     "Nowe hasło Wi-Fi (8 - 60 znaków)", "Nytt Wi-Fi-passord (8 - 60 tegn)"},
    /* 20 */
    {"Пароль Wi-Fi (0 - 60 символов)", "Wi-Fi Password (0 - 60 characters)", "Wi-Fi 密码（0 - 60 个字符）",
     "Пароль Wi-Fi (0 - 60 символів)", "WLAN-Passwort (0 - 60 Zeichen)", "Wi-Fi-adgangskode (0 - 60 tegn)",
     "Hasło Wi-Fi (0 - 60 znaków)", "Wi-Fi-passord (0 - 60 tegn)"},
    /* 21 */
    {"Канал Wi-Fi", "Wi-Fi channel", "Wi-Fi 信道", "Канал Wi-Fi", "WLAN-Kanal", "Wi-Fi-kanal", "Kanał Wi-Fi",
     "Wi-Fi-kanal"},
    /* 22 */
    {"IP-адрес ВЕДУЩЕГО", "MASTER IP address", "主机 IP 地址", "IP-адреса ВЕДУЧОГО", "IP-Adresse MASTER",
     "MASTER IP-adresse", "Adres IP MASTER", "MASTER IP-adresse"},
    /* 23 */
    {"IP-адрес ВЕДОМОГО", "SLAVE IP address", "从机 IP 地址", "IP-адреса ВЕДЕНОГО", "IP-Adresse SLAVE",
     "SLAVE IP-adresse", "Adres IP SLAVE", "SLAVE IP-adresse"},
    /* 24 */
    {"Номер ВЕДОМОГО", "SLAVE number", "从机编号", "Номер ВЕДЕНОГО", "SLAVE-Nummer", "SLAVE-nummer",
     "Numer SLAVE", "SLAVE-nummer"},
    /* 25 */ {"", "", "", "", "", "", "", ""},
    /* 26 */ {"", "", "", "", "", "", "", ""},
    /* 27 */
    {"Wi-Fi подключен", "Wi-Fi Connected", "Wi-Fi 已连接", "Wi-Fi підключено", "WLAN verbunden",
     "Wi-Fi forbundet", "Wi-Fi połączone", "Wi-Fi tilkoblet"},
    /* 28 */
    {"Wi-Fi отключен", "Wi-Fi Disconnected", "Wi-Fi 未连接", "Wi-Fi відключено", "WLAN getrennt",
     "Wi-Fi afbrudt", "Wi-Fi rozłączone", "Wi-Fi frakoblet"},
    /* 29 */
    {"Ведущий подключен", "Master Connected", "主机已连接", "Ведучий підключений", "Master verbunden",
     "Master forbundet", "Master połączony", "Master tilkoblet"},
    /* 30 */
    {"Ведущий отключен", "Master Disconnected", "主机未连接", "Ведучий відключений", "Master getrennt",
     "Master afbrudt", "Master rozłączony", "Master frakoblet"},
    /* 31 */
    {"Применить", "Apply/Save", "应用/保存", "Застосувати", "Übernehmen", "Anvend/Gem", "Zastosuj",
     "Bruk/Lagre"},
    /* 32 */
    {"Разрешить выключение", "Available OFF device", "允许关闭设备", "Дозволити вимкнення",
     "Ausschalten erlauben", "Tillad slukning", "Zezwól na wyłączenie", "Tillat avslåing"},
    /* 33 */ {"Направление", "Direction", "方向", "Напрямок", "Richtung", "Retning", "Kierunek", "Retning"},
    /* 34 */ {"Приток", "Supply", "送风", "Подача", "Zuluft", "Tilluft", "Nawiew", "Tilluft"},
    /* 35 */ {"Вытяжка", "Exhaust", "排风", "Витяжка", "Abluft", "Fraluft", "Wywiew", "Avtrekk"},
    /* 36 */ {" %RH", " %RH", " %RH", " %RH", " %RF", " %RH", " %RH", " %RH"},
    /* 37 */ {"Дней: ", "Days: ", "日期: ", "Днів: ", "Tage: ", "Dage", "Dni", "Dager"},
    /* 38 */
    {"    Часов: ", "    Hours: ", "    小时: ", "    Годин: ", "    Stunden: ", "    Timer", "    Godzin",
     "    Timer"},
    /* 39 */
    {"    Минут: ", "    Minutes: ", "    分钟: ", "    Хвилин: ", "    Minuten: ", "    Minutter",
     "    Minut", "    Minutter"},
    /* 40 */
    {"    Секунд: ", "    Seconds: ", "    秒数: ", "    Секунд: ", "    Sekunden: ", "    Sekunder",
     "    Sekund", "    Sekunder"},
    /* 41 */
    {"Сбросить таймер фильтра", "Reset the filter timer", "重置滤网计时器", "Скинути таймер фільтра",
     "Filtertimer zurücksetzen", "Nulstil filtertimer", "Resetuj licznik filtra", "Nullstill filtertimer"},
    /* 42 */ {"С/Н:", "S/N:", "编码:", "С/Н:", "S/N:", "S/N", "C/H", "S/N"},
    /* 43 */ {"Язык", "Language", "语言", "Мова", "Sprache", "Sprog", "Język", "Språk"},
    /* 44 */
    {"Информация", "Information", "信息", "Інформація", "Information", "Information", "Informacje",
     "Informasjon"},
    /* 45 */
    {"Задержка выключения", "Turn-off delay timer", "关机延时", "Затримка вимкнення", "Ausschaltverzögerung",
     "Slukkeforsinkelse", "Opóźnienie wyłączenia", "Avslåingsforsinkelse"},
    /* 46 */
    {"Таймер ночного режима", "Night mode timer", "夜间模式定时器", "Таймер нічного режиму",
     "Nachtmodus-Timer", "Nattilstandstimer", "Timer trybu nocnego", "Nattmodus-timer"},
    /* 47 */
    {"Таймер режима вечеринки", "Party mode timer", "派对模式定时器", "Таймер режиму вечірки",
     "Partymodus-Timer", "Festtilstandstimer", "Timer trybu imprezy", "Festmodus-timer"},
    /* 48 */
    {"Датчик влажности", "Humidity sensor", "湿度传感器", "Датчик вологості", "Feuchtesensor", "Fugtsensor",
     "Czujnik wilgotności", "Fuktsensor"},
    /* 49 */
    {"Релейный датчик", "Relay sensor", "继电器传感器", "Релейний датчик", "Relaissensor", "Relæsensor",
     "Czujnik przekaźnikowy", "Relésensor"},
    /* 50 */
    {"Датчик 0 - 10 В", "0 - 10V sensor", "0 - 10V 传感器", "Датчик 0 - 10 В", "0 - 10V-Sensor",
     "0 - 10V-sensor", "Czujnik 0 - 10V", "0 - 10V-sensor"},
    /* 51 */
    {"Версия: ", "Version: ", "版本: ", "Версія: ", "Version: ", "Version: ", "Wersja: ", "Versjon: "},
    /* 52 */
    {"Разработано: ZEPHA", "Developed by: ZEPHA", "由...创造: ZEPHA", "Розроблено: ZEPHA",
     "Entwickelt von: ZEPHA", "Udviklet af: ZEPHA", "Sporządzono: ZEPHA", "Utviklet av: ZEPHA"},
    /* 53 */
    {"Нет доступа к этому устройству. Установите пакет программы или правило udev 70-breezekit.rules из "
     "README, затем переподключите устройство.",
     "No access to this device. Install the program's package or the udev rule 70-breezekit.rules from "
     "the README, then replug the device.",
     "无法访问此设备。请安装本程序的软件包或 README 中的 udev 规则 70-breezekit.rules，然后重新插拔设备。",
     "Немає доступу до цього пристрою. Встановіть пакет програми або правило udev 70-breezekit.rules з "
     "README, потім перепідключіть пристрій.",
     "Kein Zugriff auf dieses Gerät. Installieren Sie das Programmpaket oder die udev-Regel "
     "70-breezekit.rules aus der README und stecken Sie das Gerät dann neu an.",
     "Ingen adgang til denne enhed. Installer programmets pakke eller udev-reglen 70-breezekit.rules fra "
     "README, og sæt derefter enheden i igen.",
     "Brak dostępu do tego urządzenia. Zainstaluj pakiet programu lub regułę udev 70-breezekit.rules z "
     "README, a następnie podłącz urządzenie ponownie.",
     "Ingen tilgang til denne enheten. Installer programmets pakke eller udev-regelen 70-breezekit.rules fra "
     "README, og koble deretter enheten til på nytt."},
    /* 54 */
    {"   Нет устройств", "   No devices", "   沒有設備", "   Немає пристроїв", "   Keine Geräte",
     "   Ingen enheder", "   Brak urządzeń", "   Ingen enheter"},
    /* 55 */
    {"Пожалуйста, выберите устройство", "Select device", "請選擇設備", "Будь ласка, виберіть пристрій",
     "Gerät wählen", "Vælg enhed", "Proszę o wybranie urządzenia", "Velg enhet"},
    /* 56 */
    {"Пожалуйста, подождите...", "Please wait...", "请稍候...", "Будь ласка, зачекайте...", "Bitte warten...",
     "Vent venligst...", "Proszę czekać...", "Vennligst vent..."},
    /* 57 */
    {"Длина имени сети Wi-Fi должна быть 1 - 32 символа",
     "The length of name of Wi-Fi must be 1 - 32 characters", "Wi-Fi 名称的长度必须为 1 - 32 个字符",
     "Довжина назви мережі Wi-Fi має бути 1 - 32 символи", "Der WLAN-Name muss 1 - 32 Zeichen lang sein",
     "Wi-Fi-navnet skal være 1 - 32 tegn langt", "Nazwa sieci Wi-Fi musi mieć 1 - 32 znaki",
     "Wi-Fi-navnet må være 1 - 32 tegn langt"},
    /* 58 */
    {"Длина пароля должна быть 8 - 60 символов", "The length of password must be 8 - 60 characters",
     "密码的长度必须为 8 - 60 个字符", "Довжина пароля має бути 8 - 60 символів",
     "Das Passwort muss 8 - 60 Zeichen lang sein", "Adgangskoden skal være 8 - 60 tegn lang",
     "Hasło musi mieć 8 - 60 znaków", "Passordet må være 8 - 60 tegn langt"},
    /* 59 */
    {"Пожалуйста, закройте \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\"",
     "請關閉 \"Service ZEPHA BreezeKit\"", "Будь ласка, закрийте \"Service ZEPHA BreezeKit\"",
     "Bitte \"Service ZEPHA BreezeKit\" schließen", "Luk venligst \"Service ZEPHA BreezeKit\"",
     "Proszę o zamknięcie \"Service ZEPHA BreezeKit\"", "Vennligst lukk \"Service ZEPHA BreezeKit\""},
    /* 60 */
    {"Усиление в текущем режиме", "Boost in current mode", "在当前模式下加速", "Посилення в поточному режимі",
     "Boost im aktuellen Modus", "Boost i aktuel tilstand", "Boost w bieżącym trybie",
     "Boost i gjeldende modus"},
    /* 61 */
    {"Усиление и переход в режим вытяжки", "Boost and switch to exhaust mode", "加速并切换到排风模式",
     "Посилення і перехід у режим витяжки", "Boost und Wechsel auf Abluft", "Boost og skift til fraluft",
     "Boost i przełączenie na wywiew", "Boost og bytt til avtrekk"},
    /* 62 */
    {"Сценарий управления влажностью", "Humidity control scenario:", "湿度控制方案：",
     "Сценарій управління вологістю:", "Szenario für Feuchteregelung :", "Fugtighedsjustering scenario",
     "Scenariusz sterowania wilgotnością", "Fuktighetsjustering scenario"},
    /* 63 */
    {"Основной шлюз", "Default Gateway", "默认网关", "Основний шлюз", "Standardgateway", "Standardgateway",
     "Brama domyślna", "Standard gateway"},
    /* 64 */
    {"Не удалось передать устройству часть данных. Проверьте USB-кабель и повторите попытку.",
     "Some data could not be sent to the device. Check the USB cable and try again.",
     "部分数据未能发送到设备。请检查 USB 连接后重试。",
     "Не вдалося передати пристрою частину даних. Перевірте USB-кабель і спробуйте ще раз.",
     "Einige Daten konnten nicht an das Gerät gesendet werden. Bitte USB-Kabel prüfen und erneut versuchen.",
     "Nogle data kunne ikke sendes til enheden. Kontroller USB-kablet, og prøv igen.",
     "Nie udało się wysłać części danych do urządzenia. Sprawdź kabel USB i spróbuj ponownie.",
     "Noen data kunne ikke sendes til enheten. Kontroller USB-kabelen og prøv igjen."},
    /* 65 */
    {"Программа не может работать с этим устройством (входные отчёты: %1 байт, выходные отчёты: %2 байт). "
     "Пожалуйста, сообщите об этом.",
     "The program cannot communicate with this device (input reports: %1 bytes, output reports: %2 bytes). "
     "Please report this.",
     "程序无法与此设备通信（输入报告：%1 字节，输出报告：%2 字节）。请报告此问题。",
     "Програма не може працювати з цим пристроєм (вхідні звіти: %1 байт, вихідні звіти: %2 байт). "
     "Будь ласка, повідомте про це.",
     "Das Programm kann mit diesem Gerät nicht kommunizieren (Eingabeberichte: %1 Byte, Ausgabeberichte: "
     "%2 Byte). Bitte melden Sie dies.",
     "Programmet kan ikke kommunikere med denne enhed (inputrapporter: %1 byte, outputrapporter: %2 byte). "
     "Rapportér venligst dette.",
     "Program nie może komunikować się z tym urządzeniem (raporty wejściowe: %1 B, raporty wyjściowe: %2 B). "
     "Prosimy to zgłosić.",
     "Programmet kan ikke kommunisere med denne enheten (inndatarapporter: %1 byte, utdatarapporter: %2 "
     "byte). Vennligst rapporter dette."},
    /* 66 */
    {"Имя сети Wi-Fi содержит символы, которые нельзя передать устройству. В этом режиме имя скрыто, но "
     "передаётся: выберите \"%1\" или \"%2\", чтобы изменить его.",
     "The name of Wi-Fi contains characters that cannot be sent to the device. It is hidden in this mode "
     "but still sent: choose \"%1\" or \"%2\" to change it.",
     "Wi-Fi 名称包含无法发送到设备的字符。此模式下名称被隐藏但仍会发送：请选择“%1”或“%2”进行修改。",
     "Назва мережі Wi-Fi містить символи, які не можна передати пристрою. У цьому режимі назва прихована, "
     "але передається: виберіть \"%1\" або \"%2\", щоб змінити її.",
     "Der WLAN-Name enthält Zeichen, die nicht an das Gerät gesendet werden können. Er ist in diesem Modus "
     "ausgeblendet, wird aber gesendet: \"%1\" oder \"%2\" wählen, um ihn zu ändern.",
     "Wi-Fi-navnet indeholder tegn, der ikke kan sendes til enheden. Det er skjult i denne tilstand, men "
     "sendes stadig: vælg \"%1\" eller \"%2\" for at ændre det.",
     "Nazwa sieci Wi-Fi zawiera znaki, których nie można wysłać do urządzenia. W tym trybie jest ukryta, "
     "ale wysyłana: wybierz \"%1\" lub \"%2\", aby ją zmienić.",
     "Wi-Fi-navnet inneholder tegn som ikke kan sendes til enheten. Det er skjult i denne modusen, men "
     "sendes likevel: velg \"%1\" eller \"%2\" for å endre det."},
    /* 67 */
    {"Подключите устройство. Если оно подключено, но не в списке: нужно правило udev из пакета программы "
     "или 70-breezekit.rules из README; затем переподключите устройство.",
     "Plug in a unit. If one is plugged in but not listed: it needs the udev rule from the program's "
     "package or 70-breezekit.rules from the README; then replug it.",
     "请插入设备。如果设备已插入但未列出：需要本程序软件包中的 udev 规则或 README 中的 "
     "70-breezekit.rules，然后重新插拔设备。",
     "Під'єднайте пристрій. Якщо його під'єднано, але його немає в списку: потрібне правило udev з пакета "
     "програми або 70-breezekit.rules з README; потім перепідключіть пристрій.",
     "Schließen Sie ein Gerät an. Ist eines angeschlossen, aber nicht aufgeführt: Es braucht die udev-Regel "
     "aus dem Programmpaket oder 70-breezekit.rules aus der README; dann neu anstecken.",
     "Sæt en enhed i. Er en enhed sat i, men ikke på listen: Den kræver udev-reglen fra programmets pakke "
     "eller 70-breezekit.rules fra README; sæt den derefter i igen.",
     "Podłącz urządzenie. Jeśli jest podłączone, ale nie ma go na liście: potrzebna jest reguła udev z "
     "pakietu programu lub 70-breezekit.rules z README; potem podłącz je ponownie.",
     "Koble til en enhet. Er en koblet til, men ikke oppført: Den trenger udev-regelen fra programmets pakke "
     "eller 70-breezekit.rules fra README; koble den deretter til på nytt."},
    /* 68 */
    {"%1, часть %2 из %3", "%1, part %2 of %3", "%1，第 %2 部分，共 %3 部分", "%1, частина %2 з %3",
     "%1, Teil %2 von %3", "%1, del %2 af %3", "%1, część %2 z %3", "%1, del %2 av %3"},
};

} // namespace

const char* textTableEntry(int row, int languageIndex) {
    if (row < 0 || row >= kTextRows || languageIndex < 0 || languageIndex >= kLanguageCount) return "";
    return kTable[row][languageIndex];
}

} // namespace breezekit
