#include "data/syori.h"

namespace sorvane {

void Tsyori::copyToWork() {
  for (int i = 0; i <= lastUnit; ++i) D->kw[i] = D->k[i];
  unitAtW = unitAt;
}

void Tsyori::copyFromWork() {
  for (int i = 0; i <= lastUnit; ++i) D->k[i] = D->kw[i];
  unitAt = unitAtW;
}

}  // namespace sorvane
