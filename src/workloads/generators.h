// The sixteen test data generators. Each fills its own array, which the driver has sized to
// ElementCount, with one pseudo-random draw per element.
#pragma once

namespace zaveredo {

void FillReal();
void FillReal48();
void FillSingle();
void FillDouble();
void FillExtended();
void FillCurrency();
void FillInteger();
void FillByte();
void FillShortInt();
void FillWord();
void FillSmallInt();
void FillCardinal();
void FillLongWord();
void FillLongInt();
void FillComp();
void FillInt64();

}  // namespace zaveredo
