#pragma once
// The printer the whole program prints on: chosen and set up once ("&Print
// Setup ..." in the main window), used by every report.

class QPrinter;

QPrinter &sharedPrinter();
