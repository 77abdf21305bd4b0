<?php
// The loop variable hides the earlier string of the same name inside the
// loop body: the body sees the loop's definition first.
function listing($where, $rows) {
    $file = $where . '/package.xml';
    foreach ($rows as $i => $file) {
        echo $i . $file['attribs']['name'];
    }
    $row = 'text';
    foreach ($rows as $row) {
        echo $row['name'][0];
    }
}
listing('.', array());
