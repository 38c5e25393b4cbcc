#pragma once
// Rockwell C and Vickers hardness of steel converted into each other by the table of ASTM E140
// (Standard Hardness Conversion Tables for Metals, table 1, non-austenitic steels), linear
// between its whole HRC rows. The table covers 20-68 HRC (238-940 HV); beyond it a value is
// taken at the table's end.

double hvFromHrc(double hrc);
double hrcFromHv(double hv);
