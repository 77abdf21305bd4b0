<?php
function nextRow() {
    return false;
}

// No condition and no break: reported.
for (;;) {
    echo 1;
}

// No condition, even with a break: reported.
for ($n = 0; ; $n++) {
    if (nextRow()) {
        break;
    }
}

// No step, and a call in the condition: both.
for ($i = 0; nextRow(); ) {
    echo 2;
}

// A call in the condition of the other loops is never reported.
while (nextRow()) {
    echo 3;
}
do {
    echo 4;
} while (nextRow());
foreach (array(nextRow()) as $v) {
    echo 5;
}

// The endfor syntax.
for (;;):
    echo 6;
endfor;
