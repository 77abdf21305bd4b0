<?php
$w = new Widget();
class Widget extends Component {
}
require_once 'component.php';
echo Widget::KIND, Component::KIND;
