<?php
function pick($k) {
    switch ($k) {
        case 1:
            return 'one';
        default:
            return 'first';
        default:
            return 'second';
    }
}

function pickAgain($k) {
    switch ($k):
        default:
            echo 'a';
            break;
        case 2:
            echo 'b';
            break;
        default:
            echo 'c';
            break;
        default:
            echo 'd';
    endswitch;
}

function single($k) {
    switch ($k) {
        case 1:
        default:
            echo 'one default only';
    }
}
