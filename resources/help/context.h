/* Help context numbers the calculator asks for. */
#define IDH_WELCOME 10000
