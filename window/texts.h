// Every text that the window shows. Multi-line texts break their lines with CR LF.
#pragma once

#include <array>

#include "model/shape_sentence.h"
#include "publisher.h"

namespace panel::texts {

inline constexpr char kCaption[] = TRAPEZOID_CAPTION_PREFIX "Математика - равнобедрен трапец, основи";

inline constexpr char kTitle[] = "Математика - равнобедрен трапец, основи, лице";
inline constexpr char kGiven[] = "Дадени:";
inline constexpr char kMeasures[] = "Размери";
inline constexpr char kCalculate[] = "Изчисли";
inline constexpr char kClear[] = "Изчисти";

inline constexpr char kAssignment[] =
    "Задание: Да се състави проект, който представя междупредметните връзки между Математика и "
    "Информатика.\r\n"
    "Тема на проекта: Математика - равнобедрен трапец, основи, лице.\r\n"
    "Проектът позволява на потребителя да въведе произволни три параметъра измежду основа, височина, "
    "бедро, периметър и лице и изчислява дължините на останалите елементи на равнобедрения трапец.\r\n"
    "Според избраната комбинация могат да се въвеждат само три от изброените параметри. \r\n"
    "Комбинацията се избира от списък, а размерите на трапеца се въвеждат в текстови полета. \r\n"
    "Свойства на равнобедрения трапец: основите му (a, c) са успоредни, бедрата му са равни, ъглите при "
    "всяка от основите са равни и диагоналите му са равни; около всеки равнобедрен трапец може да се "
    "опише окръжност, а в него може да се впише окръжност, когато сборът от основите е равен на сбора "
    "от бедрата; средите на основите, пресечната точка на диагоналите и пресечната точка на "
    "продълженията на бедрата лежат на една права.\r\n"
    "В проекта са използвани следните формули и означения:\r\n"
    "a - дължина по-голямата основа;\r\n"
    "c - дължина по-малката основа;\r\n"
    "b - бедро на трапеца;\r\n"
    "h - височина на трапеца;\r\n"
    "P - периметър на трапеца;\r\n"
    "S - лице на трапеца.\r\n"
    "Използват се следните формули:\r\n"
    "Периметър: P = a + c + 2*b;\r\n"
    "Лице: S = (a + c)*h / 2\r\n"
    "Пример: a=8, b=5, c=2 Изход h=4, P=20, S=20\r\n";

inline constexpr char kAphorism[] =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

// What a screen reader says of each control: its name, then its description.
struct Accessible {
  const char* name;
  const char* description;
};

inline constexpr Accessible kWindowAccessible = {
    "Трапец", "Калкулатор за равнобедрен трапец: по три дадени размера пресмята останалите три."};
inline constexpr std::array<Accessible, 2> kLabel1Accessible = {{
    {kTitle, "Заглавие на програмата"},
    {kGiven, "Заглавие на списъка с комбинации от дадени размери"},
}};
inline constexpr Accessible kList1Accessible = {
    "Дадени размери",
    "Изберете кои три размера на трапеца са дадени. Предлагат се дванадесет комбинации от голямата "
    "основа a, бедрото b, малката основа c, височината h, периметъра P и лицето S."};
inline constexpr Accessible kFrame1Accessible = {
    kMeasures, "Шестте размера на трапеца: отметнатите са дадени и се въвеждат, останалите се изчисляват."};
inline constexpr std::array<Accessible, 2> kCommand1Accessible = {{
    {kCalculate, "Пресмята останалите три размера от дадените."},
    {kClear, "Изчиства шестте полета със стойности."},
}};
inline constexpr Accessible kPicture1Accessible = {
    "Чертеж на равнобедрен трапец",
    "Трапец ABCD: долната основа AB е a, горната основа DC е c, бедрата AD и BC са b, височината DH е h. "
    "Пунктирна вертикална линия е оста на симетрия и дели DC на две половини c/2."};
inline constexpr std::array<Accessible, 2> kText1Accessible = {{
    {"Задание", "Условието на проекта, означенията и формулите за периметър и лице."},
    {"Афоризъм", "Скрит текст."},
}};

// Each quantity, by index: how it is named, and what its value box holds.
inline constexpr std::array<Accessible, 6> kQuantityAccessible = {{
    {"Голяма основа a", "дължината на по-голямата основа на трапеца"},
    {"Бедро b", "дължината на бедрото на трапеца"},
    {"Малка основа c", "дължината на по-малката основа на трапеца"},
    {"Височина h", "височината на трапеца"},
    {"Периметър P", "периметърът на трапеца"},
    {"Лице S", "лицето на трапеца"},
}};
inline constexpr char kTickName[] = "Отметка „%1“";
inline constexpr char kTickDescription[] =
    "Отметнато, когато размерът „%1“ е даден; програмата го поставя сама.";
inline constexpr char kBoxDescription[] = "Стойност: %1. До седем знака; въвежда се, когато е дадено.";
inline constexpr char kListItem[] = "Дадени: %1";

// Messages for a calculation that has no answer, and the button that closes them.
// The button's word is Qt's own in Bulgarian, which the desktop's message box shows.
inline constexpr char kOk[] = "Добре";
inline constexpr const auto& kErrorTitle = model::kNoSuchTrapezoid;
inline constexpr char kTooLargeTitle[] = "Твърде големи числа";
inline constexpr char kTooLarge[] =
    "Числата са твърде големи: резултатът не може да се пресметне. Въведете по-малки стойности.";
inline constexpr char kDivisionByZero[] =
    "Пресмятането изисква деление на нула: проверете дали височината h и сборът от основите са "
    "по-големи от нула.";
// The page's own: its calculating part could not be fetched.
inline constexpr char kNoCoreTitle[] = "Няма връзка";
// On a phone, after a calculation: hands the problem's address to the phone's share sheet.
inline constexpr char kShare[] = "Изпрати задачата";
inline constexpr char kNoCore[] =
    "Частта, която пресмята, не можа да се зареди. Проверете връзката с интернет и натиснете "
    "„Изчисли“ отново.";

// Why the given measures of each combination make no trapezoid when a square root of a negative
// number comes up; an empty text where that cannot happen.
inline constexpr std::array<const char*, 12> kNoSuchTrapezoid = {
    "Бедрото b е твърде късо: то трябва да е поне колкото половината от разликата на основите a и c "
    "(2·b ≥ |a − c|).",
    "Бедрото b трябва да е поне колкото височината h.",
    "",
    "Бедрото b трябва да е поне колкото височината h.",
    "Периметърът P трябва да е между 2·a и 2·a + 4·b.",
    "Периметърът P не може да е строго между 2·a и 2·c: тогава бедрото е по-късо от половината от "
    "разликата на основите.",
    "Периметърът P трябва да е между 2·c и 2·c + 4·b.",
    "Бедрото b трябва да е поне колкото височината h.",
    "",
    "",
    "Бедрото b трябва да е поне колкото височината h.",
    "",
};
using model::kNoSuchTrapezoidOther;

// The working of a calculation: a given measure says so; a step that fails says why.
inline constexpr char kGivenMark[] = " — дадено";
inline constexpr char kNoSquareRoot[] =
    " не съществува: под корена е отрицателно число, затова трапец с тези размери няма.";
inline constexpr char kNoQuotient[] =
    " не съществува: на нула не се дели, затова трапец с тези размери няма.";
inline constexpr char kStepTooLarge[] = "Числата стават твърде големи и стъпката не може да се пресметне.";
// Said once, after the first step that uses x.
inline constexpr char kXIs[] = " (x = AH, проекцията на бедрото върху голямата основа)";

// The solution as a pupil writes it in a notebook.
inline constexpr char kSolutionGiven[] = "Дадено:";
inline constexpr char kSolutionSteps[] = "Решение:";
inline constexpr char kSolutionAnswer[] = "Отговор:";
// On the desktop, the value boxes' descriptions end with how to copy that solution.
inline constexpr char kCopySolution[] = "Ctrl+Shift+C копира цялото решение като текст.";

}  // namespace panel::texts
