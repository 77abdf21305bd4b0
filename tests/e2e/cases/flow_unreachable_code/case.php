<?php
function helper() {
    return 1;
}

function inSwitch($k) {
    switch ($k) {
        case 1:
            return 1;
            echo "after return in a case";
        default:
            break;
            echo "after break";
    }
    return 0;
}

function inTry() {
    try {
        return helper();
        echo "after return in try";
    } catch (Exception $e) {
        throw $e;
        echo "after throw in catch";
    }
}

function oneBranch($c) {
    if ($c) {
        exit;
        echo "after exit";
    } else {
        echo "no exit here";
    }
    echo "reachable after the if";
}

function bothBranches($c) {
    if ($c) {
        return 1;
    } else {
        return 2;
    }
    echo "not reported: only a terminator directly in the list counts";
}

function nested($rows) {
    foreach ($rows as $row) {
        while (true) {
            break 2;
            echo "after break 2";
        }
        continue;
        echo "after continue";
    }
    return;
    strlen("a");
    return;
    strlen("b");
}

exit(0);
echo "after exit at file level";
