// trapezoid-solve: a problem about an isosceles trapezoid as the book gives it, solved on the
// command line with its working, or as JSON.
#include <cstdio>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/problem_args.h"
#include "model/problem_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char kHelp[] = R"(Употреба: trapezoid-solve [--json] ДАДЕНО... [УСЛОВИЕ...]

Решава задача за равнобедрен трапец ABCD (AB = a голямата основа, DC = c малката,
AD = BC = b бедрата) по дадените елементи и условия и показва решението, както се пише
в тетрадка: Дадено, Решение, Отговор.

Дадените се пишат ИМЕ=СТОЙНОСТ, с десетична запетая или точка:
  a, c        основите              b      бедрото
  h           височината            P, S   периметърът и лицето
  m           средната основа       d      диагоналът
  alpha (α)   острият ъгъл при голямата основа, в градуси
  beta (β)    тъпият ъгъл при малката основа, в градуси
  sin_alpha, cos_alpha, tg_alpha    синусът, косинусът или тангенсът на α
  R, r        радиусите на описаната и на вписаната окръжност

Условията:
  incircle                       в трапеца може да се впише окръжност (a + c = 2b)
  perpendicular_diagonals        диагоналите са перпендикулярни
  diagonal_perpendicular_to_leg  диагоналът е перпендикулярен на бедрото (AC ⊥ BC)
  diagonal_bisects_angle         диагоналът е ъглополовяща на острия ъгъл
  bases_ratio=7:3                основите се отнасят както 7 : 3

  --json    отговорът като JSON: {"solutions": [...], "undetermined": [...], "refused": "..."}
  --help    тази помощ

Примери:
  trapezoid-solve a=27 c=13 alpha=45
  trapezoid-solve m=12 h=5
  trapezoid-solve a=10 b=5 d=8,5

Изход: 0 с отговор; 1, когато дадените си противоречат или няма такъв трапец;
2, когато аргумент не може да се прочете.
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace model::problem;
#ifdef _WIN32
  // What it prints is UTF-8, which a Windows console shows as such only when told so.
  SetConsoleOutputCP(CP_UTF8);
#endif
  const Arguments args = ReadArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!args.error.empty()) {
    std::fprintf(stderr, "%s\n", args.error.c_str());
    return 2;
  }
  if (args.help || argc < 2) {
    std::fputs(kHelp, args.help ? stdout : stderr);
    return args.help ? 0 : 2;
  }
  runtime::RegionalSettings settings = runtime::CSettings();
  settings.decimalSymbol = ",";
  const Answer answer = Solve(args.problem, settings);
  const std::string text = args.json ? Json(answer) + "\n" : Notebook(answer, settings);
  std::fputs(text.c_str(), stdout);
  if (answer.refused.empty()) return 0;
  std::fprintf(stderr, "%s\n", answer.refused.c_str());
  return 1;
}
