/* Help context numbers the calculator asks for. */
#define IDH_WELCOME 10000
#define IDH_KEEP_OFFERS 10100
#define IDH_COMPARE_OFFERS 10101
#define IDH_EDIT_OFFER 10102
#define IDH_SCHEDULE 10103
#define IDH_CHART 10104
#define IDH_OUTPUT 10105
#define IDH_WHAT_IF 10110
#define IDH_IMPORT 10106
#define IDH_CLOSING_CHECK 10120
